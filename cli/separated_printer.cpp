// SPDX-License-Identifier: MIT
#include "cli/printers.h"
#include "plans/csv_text.h"

#include <algorithm>
#include <iostream>

namespace {

// A tab, line end or backslash inside a value is escaped, so that a row is always one line
// of its columns.
std::string tsvValue(const std::string& value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

void SeparatedPrinter::printLine(const std::vector<std::string>& values) const {
    std::string line;
    if (csv_) {
        std::cout << icao::csvLine(values);
        return;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        line += i ? "\t" : "";
        line += tsvValue(values[i]);
    }
    std::cout << line << '\n';
}

void SeparatedPrinter::printHeader(const std::vector<Column>& columns) const {
    std::vector<std::string> names;
    for (const Column& column : columns) {
        names.push_back(column.name);
    }
    printLine(names);
}

void SeparatedPrinter::printRow(const std::vector<Cell>& cells) const {
    std::vector<std::string> values;
    for (const Cell& cell : cells) {
        values.push_back(cell.plain);
    }
    printLine(values);
}

void SeparatedPrinter::list(const RowSource& rows) {
    printHeader(rows.columns);
    for (std::size_t i = 0; i < rows.count; ++i) {
        printRow(rows.row(i));
    }
}

void SeparatedPrinter::route(const Table& legs, const Table& totals) {
    list(legs);
    printRow(totalRowOf(legs, totals));
}

void SeparatedPrinter::answer(const std::string&, const Table& row) {
    list(row);
}

void SeparatedPrinter::startKeyed(const std::vector<Column>& columns) {
    std::vector<Column> withKey = {Column{"key"}};
    withKey.insert(withKey.end(), columns.begin(), columns.end());
    keyedColumns_ = withKey.size();
    printHeader(withKey);
}

void SeparatedPrinter::keyed(const std::string& key, const std::string&,
                             const std::function<std::vector<Cell>()>& cellsOf) {
    std::vector<Cell> cells = cellsOf();
    cells.insert(cells.begin(), Cell::text(key));
    cells.resize(std::max(cells.size(), keyedColumns_), Cell::missing());
    printRow(cells);
}

std::ostream& SeparatedPrinter::notes() {
    return std::cerr;
}
