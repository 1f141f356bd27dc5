// SPDX-License-Identifier: MIT
#include "cli/messages.h"

#include <cstdint>
#include <cstdio>
#include <iostream>

namespace {

// The length of the UTF-8 sequence at the text's start and its code point; 0 where the bytes
// are no valid sequence.
std::pair<std::size_t, char32_t> sequenceAt(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                               : lead >= 0xE0                 ? 3
                               : lead >= 0xC2 && lead < 0xE0  ? 2
                                                              : 0;
    if (length == 0 || length > text.size()) {
        return {0, 0};
    }
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return {0, 0};
        }
        point = (point << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kLeast[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        return {0, 0};
    }
    return {length, point};
}

bool isHidden(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) ||
           (point >= 0x202A && point <= 0x202E) || (point >= 0x2066 && point <= 0x2069);
}

} // namespace

std::string withVisibleControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char escape[16];
    while (!text.empty()) {
        const auto [length, point] = sequenceAt(text);
        if (length == 0) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[0]));
            out += escape;
            text.remove_prefix(1);
            continue;
        }
        if (point == '\t') {
            out += "\\t";
        } else if (point < 0x80 && isHidden(point)) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(point));
            out += escape;
        } else if (isHidden(point)) {
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(point));
            out += escape;
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

void warn(std::string_view message) {
    std::cerr << "icao: " << withVisibleControls(message) << '\n';
}
