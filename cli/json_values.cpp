// SPDX-License-Identifier: MIT
#include "cli/json_values.h"

#include "records/airfield_details.h"

#include <nlohmann/json.hpp>
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

} // namespace

std::string laidOut(const CellValue& value, bool rowsApart) {
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
