// SPDX-License-Identifier: MIT
#pragma once

#include "platform/kernels.h"
#include "search/folding.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace icao {

// The distinct letter pairs of a few ASCII words, and which of them a text holds, found in one
// pass over the text for every eight pairs. Case is ignored on the text's side, so raw ASCII
// items can be asked before folding.
class LetterPairs {
  public:
    static constexpr std::size_t kMaxPairs = 64;

    // The pairs of the words, the first kMaxPairs kept. A word beyond ASCII adds none: pairs
    // of its bytes are not pairs of characters.
    explicit LetterPairs(const std::vector<std::string>& words);

    // The bit of each pair of word that was added, for each place of word in turn; none for
    // the places whose pair was not added.
    std::vector<std::uint64_t> bitsOf(std::string_view word) const;

    using Found = kernels::PairsFound;
    Found in(std::string_view text) const {
        return kernels::findPairs(text, banks_.data(), bankCount());
    }

    // The pairs of an item once folded, from those of its raw bytes, without folding it whole:
    // the raw bytes hold every pair of two ASCII characters, and only the pairs that touch the
    // folding of another character are added.
    std::uint64_t inFolded(std::string_view item, std::uint64_t rawPairs, TextFolder& folder) const;

  private:
    void add(std::string_view word);

    std::size_t bankCount() const { return (pairs_.size() + 7) / 8; }
    std::uint64_t bitsOfPair(std::uint8_t first, std::uint8_t second) const {
        return kernels::pairBits(first, second, banks_.data(), bankCount());
    }

    std::vector<std::array<char, 2>> pairs_;
    std::array<kernels::PairBank, kMaxPairs / 8> banks_{};
};

} // namespace icao
