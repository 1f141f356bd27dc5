// SPDX-License-Identifier: MIT
#include "cli/printer.h"

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
