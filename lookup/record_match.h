// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/text.h"

#include <string_view>

namespace icao {

// The comparisons of the two lookups, made on an item's raw bytes. Where the bytes they look
// at are ASCII, character positions equal byte positions in UTF-8 and Windows-1252 alike, so
// no decoding is needed; any other item is decoded and compared character by character.

// Positions 3 to 6 of the item equal the key exactly.
class CodeMatcher {
  public:
    explicit CodeMatcher(Text key) : key_(std::move(key)) {}
    bool matches(std::string_view item) const;

  private:
    Text key_;
};

// The key's length of characters from position 8, upper-cased, equal the key, and a "|"
// follows them: the record's whole name field matches.
class NameMatcher {
  public:
    explicit NameMatcher(Text key) : key_(std::move(key)) {}
    bool matches(std::string_view item) const;

  private:
    enum class Verdict { Match, Mismatch, NeedsDecoding };
    Verdict matchesAscii(std::string_view item) const;

    Text key_;
};

} // namespace icao
