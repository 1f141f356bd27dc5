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

void Printer::hitsAndSuggestions(const RowSource& hits, const Table& suggestions) {
    std::vector<Column> columns = hits.columns;
    columns.push_back({"suggestion", true});
    list(RowSource(std::move(columns), hits.count + suggestions.rows.size(), [&](std::size_t i) {
        const bool suggested = i >= hits.count;
        std::vector<Cell> row = suggested ? suggestions.rows[i - hits.count] : hits.row(i);
        row.push_back(Cell::truth(suggested));
        return row;
    }));
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
