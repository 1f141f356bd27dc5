// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/record_layout.h"
#include "lookup/text.h"

#include <cstddef>
#include <vector>

namespace icao {

// The characters from the 1-based position start onward, at most length of them; empty when
// start lies beyond the end. Never fails for start >= 1.
Text substringByPosition(const Text& text, std::size_t start, std::size_t length);

// The search key of an input box: its text without leading and trailing space characters.
// Other blanks, such as tabs, stay.
Text trimSpaces(const Text& text);

// Unicode simple upper-case mapping, character by character, so the text keeps its length.
Text upperCase(const Text& text);

} // namespace icao
