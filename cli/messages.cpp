// SPDX-License-Identifier: MIT
#include "cli/messages.h"

#include "lookup/text.h"

#include <cstdio>
#include <iostream>

namespace {

bool isHidden(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) ||
           (point >= 0x202A && point <= 0x202E) || (point >= 0x2066 && point <= 0x2069);
}

} // namespace

std::string withVisibleControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char escape[16];
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const auto point = icao::nextUtf8Character(text, at);
        if (!point) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[at]));
            out += escape;
            ++at;
        } else if (*point == '\t') {
            out += "\\t";
        } else if (isHidden(*point)) {
            std::snprintf(escape, sizeof escape, *point < 0x80 ? "\\x%02X" : "\\u%04X",
                          static_cast<unsigned>(*point));
            out += escape;
        } else {
            out.append(text.substr(start, at - start));
        }
    }
    return out;
}

void warn(std::string_view message) {
    std::cerr << "icao: " << withVisibleControls(message) << '\n';
}
