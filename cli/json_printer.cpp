// SPDX-License-Identifier: MIT
#include "cli/printers.h"
#include "records/airfield_details.h"

#include <iostream>

namespace {

// JSON as icao has always laid it out: members after ", ", a value after ": ", the elements
// of a list of rows on lines of their own (an array within a row, such as an airfield's
// runways, stays on the row's line), and a number in the fewest digits that read back as it
// (the library's own may take one more). Text that is not UTF-8 was decoded before it got
// here; what is left is replaced rather than thrown at.
void layOut(const JsonValue& value, bool rowsApart, std::string& out) {
    if (value.is_object()) {
        bool first = true;
        for (const auto& [name, member] : value.items()) {
            out += first ? "{" : ", ";
            first = false;
            layOut(JsonValue(name), false, out);
            out += ": ";
            layOut(member, rowsApart, out);
        }
        out += first ? "{}" : "}";
    } else if (value.is_array()) {
        bool first = true;
        for (const JsonValue& element : value) {
            out += first ? "[" : rowsApart ? ",\n " : ", ";
            first = false;
            layOut(element, false, out);
        }
        out += first ? "[]" : "]";
    } else if (value.is_number_float()) {
        out += icao::shortestNumber(value.get<double>());
    } else {
        out += value.dump(-1, ' ', false, JsonValue::error_handler_t::replace);
    }
}

std::string laidOut(const JsonValue& value, bool rowsApart = true) {
    std::string out;
    layOut(value, rowsApart, out);
    return out;
}

JsonValue objectOf(const std::vector<Column>& columns, const std::vector<Cell>& cells) {
    JsonValue object = JsonValue::object();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        object[columns[i].name] = i < cells.size() ? cells[i].value : JsonValue(nullptr);
    }
    return object;
}

JsonValue arrayOf(const Table& table) {
    JsonValue array = JsonValue::array();
    for (const auto& row : table.rows) {
        array.push_back(objectOf(table.columns, row));
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
    JsonValue route = {{"legs", arrayOf(legs)}};
    route.update(objectOf(totals.columns, totals.rows.front()));
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
