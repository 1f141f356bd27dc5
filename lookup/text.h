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

// Whether decodeText reads these bytes as UTF-8.
bool isValidUtf8(std::string_view bytes);

std::string toUtf8(const Text& text);

} // namespace icao
