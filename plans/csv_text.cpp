// SPDX-License-Identifier: MIT
#include "plans/csv_text.h"

#include <cstdlib>
#include <string_view>

namespace icao {

namespace {

bool isNumber(const std::string& value) {
    char* end = nullptr;
    std::strtod(value.c_str(), &end);
    return !value.empty() && end == value.c_str() + value.size();
}

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

std::string csvLine(const std::vector<std::string>& values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        line += i ? "," : "";
        line += csvValue(values[i]);
    }
    return line + "\r\n";
}

} // namespace icao
