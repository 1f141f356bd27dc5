// SPDX-License-Identifier: MIT
#include "cli/json_values.h"
#include "cli/printers.h"

#include <iostream>
#include <string>

namespace {

CellValue::List arrayOf(const Table& table) {
    CellValue::List array;
    for (const auto& row : table.rows) {
        array.emplace_back(objectOf(table.columns, row));
    }
    return array;
}

} // namespace

void JsonPrinter::list(const RowSource& rows) {
    // As laidOut lays out an array of rows, a row at a time.
    std::cout << '[';
    for (std::size_t i = 0; i < rows.count; ++i) {
        std::cout << (i ? ",\n " : "") << laidOut(objectOf(rows.columns, rows.row(i)), false);
    }
    std::cout << "]\n";
}

void JsonPrinter::route(const Table& legs, const Table& totals) {
    CellValue::Members route = {{"legs", arrayOf(legs)}};
    for (auto& member : objectOf(totals.columns, totals.rows.front())) {
        route.push_back(std::move(member));
    }
    std::cout << laidOut(route) << '\n';
}

void JsonPrinter::answer(const std::string&, const Table& row) {
    std::cout << laidOut(objectOf(row.columns, row.rows.front()), false) << '\n';
}

void JsonPrinter::startKeyed(const std::vector<Column>& columns) {
    keyedColumns_ = {Column{"key"}};
    keyedColumns_.insert(keyedColumns_.end(), columns.begin(), columns.end());
}

void JsonPrinter::keyed(const std::string& key, const std::string&,
                        const std::function<std::vector<Cell>()>& cellsOf) {
    std::vector<Cell> cells = cellsOf();
    cells.insert(cells.begin(), Cell::text(key));
    std::cout << laidOut(objectOf(keyedColumns_, cells), false) << '\n';
}

std::ostream& JsonPrinter::notes() {
    return std::cerr;
}
