// SPDX-License-Identifier: MIT
#include "cli/printers.h"

std::unique_ptr<Printer> makePrinter(Format format) {
    switch (format) {
    case Format::Tsv:
        return std::make_unique<TsvPrinter>();
    case Format::Json:
        return std::make_unique<JsonPrinter>();
    case Format::Text:
    case Format::Svg:
        break;
    }
    return std::make_unique<TextPrinter>();
}

void Printer::hitsAndSuggestions(const Table& hits, const Table& suggestions) {
    Table both{hits.columns, {}};
    both.columns.push_back({"suggestion", true});
    for (const auto* part : {&hits, &suggestions}) {
        for (auto row : part->rows) {
            row.push_back(Cell::truth(part == &suggestions));
            both.rows.push_back(std::move(row));
        }
    }
    list(both);
}

void Printer::details(const Table& records) {
    list(records);
}

std::vector<Cell> totalRowOf(const Table& totals) {
    std::vector<Cell> total = {Cell::text("total"), Cell::text("")};
    total.insert(total.end(), totals.rows.front().begin(), totals.rows.front().end());
    total.push_back(Cell::text(""));
    return total;
}
