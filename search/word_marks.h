// SPDX-License-Identifier: MIT
#pragma once

#include "search/query_words.h"

#include <cstdint>
#include <string>
#include <vector>

namespace icao {

// Which one- and two-letter words an item's place fields hold, each length hashed into eight
// bits. Such words are rare, so the marks kept beside each item in memory rule out most items
// as a whole-word hit of a one- or two-letter query without reading them, for two bytes an
// item.
using WordMarks = std::uint16_t;

WordMarks wordMarksOf(const FoldedFields& fields);

// The marks every item must have of which each query word is a whole word.
WordMarks wordMarksNeeded(const std::vector<std::string>& words);

} // namespace icao
