// SPDX-License-Identifier: MIT
#include "cli/printers.h"

#include <algorithm>

std::unique_ptr<Printer> makePrinter(const Arguments& arguments) {
    const Format format = arguments.format;
    switch (format) {
    case Format::Tsv:
    case Format::Csv:
        return std::make_unique<SeparatedPrinter>(format == Format::Csv);
    case Format::Json:
        return std::make_unique<JsonPrinter>();
    case Format::Plan:
        return std::make_unique<PlacesPrinter>(arguments.planFormat);
    case Format::Text:
    case Format::Svg:
        break;
    }
    return std::make_unique<TextPrinter>(arguments.header);
}

std::vector<Cell> totalRowOf(const Table& legs, const Table& totals) {
    std::vector<Cell> total = {Cell::text("total"), Cell::text("")};
    total.insert(total.end(), totals.rows.front().begin(), totals.rows.front().end());
    total.resize(std::max(total.size(), legs.columns.size()), Cell::text(""));
    return total;
}
