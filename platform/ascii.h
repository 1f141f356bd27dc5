// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

// The one home of ASCII letter case. Bytes below 0x80 are ASCII characters in UTF-8 and
// Windows-1252 alike, so raw bytes can be tested, lowered and raised before any decoding; the
// same helpers serve decoded characters.
namespace icao {

inline bool isAsciiByte(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

inline bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), isAsciiByte);
}

// A to Z lowered, anything else as it is.
template <class Character> constexpr Character lowerAscii(Character c) {
    return c >= 'A' && c <= 'Z' ? static_cast<Character>(c + ('a' - 'A')) : c;
}

// The bytes with A to Z lowered.
inline std::string loweredAscii(std::string_view bytes) {
    std::string lowered(bytes);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return lowerAscii(c); });
    return lowered;
}

// a to z raised, anything else as it is.
template <class Character> constexpr Character upperAscii(Character c) {
    return c >= 'a' && c <= 'z' ? static_cast<Character>(c - ('a' - 'A')) : c;
}

// The byte with bit 5 set, which lowers ASCII letters and leaves digits and spaces as they
// are. Scans that set it on both sides of a comparison never miss a pair of letters; a byte
// it turns into another only brings a candidate that is then checked in full.
constexpr std::uint8_t withCaseBit(char c) {
    return static_cast<std::uint8_t>(c | 0x20);
}

// Whether bytes, their ASCII letters lowered, start with folded text. Lowering leaves folded
// text as it is and folds raw ASCII, so both kinds are compared as they stand.
inline bool startsWithLowered(std::string_view bytes, std::string_view text) {
    return bytes.size() >= text.size() &&
           std::equal(text.begin(), text.end(), bytes.begin(),
                      [](char wanted, char byte) { return lowerAscii(byte) == wanted; });
}

} // namespace icao
