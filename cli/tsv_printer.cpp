// SPDX-License-Identifier: MIT
#include "cli/printers.h"

#include <algorithm>
#include <iostream>

namespace {

// A tab, line end or backslash inside a value is escaped, so that a row is always one line
// of its columns.
void printLine(const std::vector<std::string>& values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        line += i ? "\t" : "";
        for (const char c : values[i]) {
            switch (c) {
            case '\t':
                line += "\\t";
                break;
            case '\n':
                line += "\\n";
                break;
            case '\r':
                line += "\\r";
                break;
            case '\\':
                line += "\\\\";
                break;
            default:
                line += c;
            }
        }
    }
    std::cout << line << '\n';
}

void printHeader(const std::vector<Column>& columns) {
    std::vector<std::string> names;
    for (const Column& column : columns) {
        names.push_back(column.name);
    }
    printLine(names);
}

void printRow(const std::vector<Cell>& cells) {
    std::vector<std::string> values;
    for (const Cell& cell : cells) {
        values.push_back(cell.plain);
    }
    printLine(values);
}

} // namespace

void TsvPrinter::list(const RowSource& rows) {
    printHeader(rows.columns);
    for (std::size_t i = 0; i < rows.count; ++i) {
        printRow(rows.row(i));
    }
}

void TsvPrinter::route(const Table& legs, const Table& totals) {
    list(legs);
    printRow(totalRowOf(legs, totals));
}

void TsvPrinter::answer(const std::string&, const Table& row) {
    list(row);
}

void TsvPrinter::startKeyed(const std::vector<Column>& columns) {
    std::vector<Column> withKey = {Column{"key"}};
    withKey.insert(withKey.end(), columns.begin(), columns.end());
    keyedColumns_ = withKey.size();
    printHeader(withKey);
}

void TsvPrinter::keyed(const std::string& key, const std::string&,
                       const std::function<std::vector<Cell>()>& cellsOf) {
    std::vector<Cell> cells = cellsOf();
    cells.insert(cells.begin(), Cell::text(key));
    cells.resize(std::max(cells.size(), keyedColumns_), Cell::missing());
    printRow(cells);
}

std::ostream& TsvPrinter::notes() {
    return std::cerr;
}
