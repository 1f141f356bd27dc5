// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <string_view>

namespace icao {

// Bytes below 0x80 are ASCII characters in UTF-8 and Windows-1252 alike, so raw bytes can be
// tested and lowered before any decoding.
inline bool isAsciiByte(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

inline bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), isAsciiByte);
}

inline char lowerAsciiByte(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Whether bytes, their ASCII letters lowered, start with folded text. Lowering leaves folded
// text as it is and folds raw ASCII, so both kinds are compared as they stand.
inline bool startsWithLowered(std::string_view bytes, std::string_view text) {
    if (bytes.size() < text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lowerAsciiByte(bytes[i]) != text[i]) {
            return false;
        }
    }
    return true;
}

} // namespace icao
