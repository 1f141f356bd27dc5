// SPDX-License-Identifier: MIT
#include "cli/printers.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string_view>

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

bool isNumber(const std::string& value) {
    char* end = nullptr;
    std::strtod(value.c_str(), &end);
    return !value.empty() && end == value.c_str() + value.size();
}

// RFC 4180: a value holding a comma, a quote or a line end is quoted, its quotes doubled. A
// text a spreadsheet would take for a formula (=, +, - or @ first, and no number) begins with
// an apostrophe, so that opening the file runs nothing from the data.
std::string csvValue(const std::string& value) {
    std::string out = value;
    if (!out.empty() && std::string_view("=+-@").find(out.front()) != std::string_view::npos &&
        !isNumber(out)) {
        out.insert(0, 1, '\'');
    }
    if (out.find_first_of(",\"\r\n") == std::string::npos) {
        return out;
    }
    std::string quoted = "\"";
    for (const char c : out) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + '"';
}

} // namespace

void SeparatedPrinter::printLine(const std::vector<std::string>& values) const {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        line += i ? (csv_ ? "," : "\t") : "";
        line += csv_ ? csvValue(values[i]) : tsvValue(values[i]);
    }
    std::cout << line << (csv_ ? "\r\n" : "\n");
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
