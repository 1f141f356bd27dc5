// SPDX-License-Identifier: MIT
#pragma once

#include "search/letter_pairs.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace icao {

// Tells, from the letter pairs a text holds, whether it can hold a word within a few edits of
// a folded word. A place holds when the text holds its pair either way round, so each edit
// spoils at most two of the word's pair places (a swap of two letters only those on either
// side), a near word keeps all but 2 * bound of them, and the text holds those.
class NearWordFilter {
  public:
    // pairs holds those of the word and of the word reversed; mayHold is given the bits it
    // finds.
    NearWordFilter(std::string_view word, std::size_t bound, const LetterPairs& pairs);

    // False only when a text holding just these pairs cannot hold a word within bound edits.
    bool mayHold(std::uint64_t foundPairs) const;

  private:
    // The bit of each place's pair; places whose pair could not be kept are left out.
    std::vector<std::uint64_t> places_;
    // The places whose pairs must be found; none needed means the filter passes everything.
    std::size_t needed_ = 0;
};

} // namespace icao
