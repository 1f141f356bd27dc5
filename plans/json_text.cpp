// SPDX-License-Identifier: MIT
#include "plans/json_text.h"

#include "lookup/text.h"
#include "records/airfield_details.h"

#include <cstdio>
#include <type_traits>
#include <variant>

namespace icao {

std::string jsonText(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const auto character = nextUtf8Character(text, at);
        if (!character) {
            out += "\xEF\xBF\xBD";
            ++at;
        } else if (*character == '"' || *character == '\\') {
            out += '\\';
            out += static_cast<char>(*character);
        } else if (*character < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(*character));
            out += escape;
        } else {
            out.append(text.substr(start, at - start));
        }
    }
    return out + "\"";
}

std::string jsonOf(const SheetValue& value) {
    return std::visit(
        [](const auto& held) -> std::string {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, std::nullptr_t>) {
                return "null";
            } else if constexpr (std::is_same_v<Held, bool>) {
                return held ? "true" : "false";
            } else if constexpr (std::is_same_v<Held, long long>) {
                return std::to_string(held);
            } else if constexpr (std::is_same_v<Held, double>) {
                return shortestNumber(held);
            } else if constexpr (std::is_same_v<Held, std::string>) {
                return jsonText(held);
            } else if constexpr (std::is_same_v<Held, SheetValue::List>) {
                std::string list = "[";
                for (const SheetValue& element : held) {
                    list += list.size() > 1 ? ", " : "";
                    list += jsonOf(element);
                }
                return list + "]";
            } else {
                std::string members = "{";
                for (const auto& [name, member] : held) {
                    members += members.size() > 1 ? ", " : "";
                    members += jsonText(name);
                    members += ": ";
                    members += jsonOf(member);
                }
                return members + "}";
            }
        },
        value.held);
}

} // namespace icao
