// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace icao {

// The other ways a name typed as words may be spelt in the data, that folding letter case and
// accents does not reach: a word ending in "s" as a possessive ("st johns" as "st john's"), and
// the short forms written out ("st paul" as "saint paul", "mt", "ft"); each apart from the
// span and from one another, none where no word has another spelling.
std::vector<std::string> otherSpellings(std::string_view span);

} // namespace icao
