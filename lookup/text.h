// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace icao {

// Text as the lookups see it: one element per character, so positions count characters.
using Text = std::u32string;

// An item keeps at most this many characters; the rest of a longer item is skipped.
inline constexpr std::size_t kMaxItemCharacters = 64 * 1024;

// Decodes bytes as UTF-8 when they are valid UTF-8, otherwise as Windows-1252, the 8-bit code
// page such files are usually written in. Keeps at most kMaxItemCharacters characters.
Text decodeText(std::string_view bytes);

// The character of the well-formed UTF-8 sequence at bytes[at], moving at past it; none,
// with at unchanged, for a malformed one.
std::optional<char32_t> nextUtf8Character(std::string_view bytes, std::size_t& at);

// The character of a two-byte UTF-8 sequence at bytes[at] (Latin, Greek and Cyrillic letters),
// or 0 when no such sequence stands there. The folding loops try it in place before calling
// nextUtf8Character, as most characters beyond ASCII in airport names take two bytes.
inline char32_t twoByteUtf8Character(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead >= 0xC2 && lead <= 0xDF && at + 1 < bytes.size() &&
        (static_cast<unsigned char>(bytes[at + 1]) & 0xC0) == 0x80) {
        return (static_cast<char32_t>(lead & 0x1F) << 6) | (bytes[at + 1] & 0x3F);
    }
    return 0;
}

// The bytes that decodeText reads into its characters: all but the rest of an item longer
// than kMaxItemCharacters. Every search reads an item's kept bytes alone, as the records it
// shows hold no more.
std::string_view keptBytes(std::string_view bytes);

// Whether decodeText reads these bytes as UTF-8.
bool isValidUtf8(std::string_view bytes);
// The bytes without a byte-order mark at their start, UTF-8's or UTF-16's, as a file saved by
// another program may begin: a mark is no text, though as Windows-1252 it reads as letters.
std::string_view withoutByteOrderMark(std::string_view bytes);

std::string toUtf8(const Text& text);
// decodeText's characters as UTF-8: the bytes themselves where they are UTF-8 of no more than
// kMaxItemCharacters, as most items are, so that they are decoded only when they must be.
std::string decodedUtf8(std::string_view bytes);

} // namespace icao
