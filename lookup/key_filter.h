// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/text.h"
#include "platform/ascii.h"

namespace icao {

// The input boxes' upper-case key filter: a typed a to z becomes A to Z, every other
// character passes unchanged.
constexpr char32_t filterTypedCharacter(char32_t typed) {
    return upperAscii(typed);
}

// Text as it would stand in an input box after typing it character by character.
inline Text filterTypedText(Text text) {
    for (char32_t& character : text) {
        character = filterTypedCharacter(character);
    }
    return text;
}

} // namespace icao
