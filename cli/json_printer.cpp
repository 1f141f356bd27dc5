// SPDX-License-Identifier: MIT
#include "cli/printers.h"
#include "records/airfield_details.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <type_traits>
#include <variant>

namespace {

// A text as a JSON string; text that is not UTF-8 was decoded before it got here, and what is
// left is replaced rather than thrown at.
void layOutText(const std::string& text, std::string& out) {
    out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// JSON as icao has always laid it out: members after ", ", a value after ": ", the elements
// of a list of rows on lines of their own (an array within a row, such as an airfield's
// runways, stays on the row's line), and a number in the fewest digits that read back as it
// (the library's own may take one more).
void layOut(const CellValue& value, bool rowsApart, std::string& out) {
    std::visit(
        [&](const auto& held) {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, std::nullptr_t>) {
                out += "null";
            } else if constexpr (std::is_same_v<Held, bool>) {
                out += held ? "true" : "false";
            } else if constexpr (std::is_same_v<Held, long long>) {
                out += std::to_string(held);
            } else if constexpr (std::is_same_v<Held, double>) {
                out += icao::shortestNumber(held);
            } else if constexpr (std::is_same_v<Held, std::string>) {
                layOutText(held, out);
            } else if constexpr (std::is_same_v<Held, CellValue::List>) {
                bool first = true;
                for (const CellValue& element : held) {
                    out += first ? "[" : rowsApart ? ",\n " : ", ";
                    first = false;
                    layOut(element, false, out);
                }
                out += first ? "[]" : "]";
            } else {
                bool first = true;
                for (const auto& [name, member] : held) {
                    out += first ? "{" : ", ";
                    first = false;
                    layOutText(name, out);
                    out += ": ";
                    layOut(member, rowsApart, out);
                }
                out += first ? "{}" : "}";
            }
        },
        value.held);
}

std::string laidOut(const CellValue& value, bool rowsApart = true) {
    std::string out;
    layOut(value, rowsApart, out);
    return out;
}

CellValue::Members objectOf(const std::vector<Column>& columns, const std::vector<Cell>& cells) {
    CellValue::Members object;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        object.emplace_back(columns[i].name, i < cells.size() ? cells[i].value : CellValue());
    }
    return object;
}

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
