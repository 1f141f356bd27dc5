// SPDX-License-Identifier: MIT
#include "cli/printers.h"

#include <algorithm>

std::unique_ptr<Printer> makePrinter(Format format, bool header) {
    switch (format) {
    case Format::Tsv:
    case Format::Csv:
        return std::make_unique<SeparatedPrinter>(format == Format::Csv);
    case Format::Json:
        return std::make_unique<JsonPrinter>();
    case Format::Text:
    case Format::Svg:
    case Format::Plan:
        break;
    }
    return std::make_unique<TextPrinter>(header);
}

std::vector<Cell> totalRowOf(const Table& legs, const Table& totals) {
    std::vector<Cell> total = {Cell::text("total"), Cell::text("")};
    total.insert(total.end(), totals.rows.front().begin(), totals.rows.front().end());
    total.resize(std::max(total.size(), legs.columns.size()), Cell::text(""));
    return total;
}
