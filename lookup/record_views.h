// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/text.h"

#include <optional>
#include <vector>

namespace icao {

// What the two lookups take from an item, as text.

// Positions 3 to 6: what the code-to-name lookup compares with its key.
Text codeOf(const Text& item);

// What the code-to-name lookup writes, in order, into its output box for a matching item:
// fields 1 and 2 where the item has them.
std::vector<Text> codeLookupWrites(const Text& item);

// The key that the name-to-code lookup finds this item by: the text from position 8 to the
// next "|", upper-cased; none when no "|" follows. Exact for any key holding no "|".
std::optional<Text> nameKeyOf(const Text& item);

} // namespace icao
