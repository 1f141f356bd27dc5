// SPDX-License-Identifier: MIT
#pragma once

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

    struct Found {
        std::uint64_t pairs = 0; // the bits of the pairs the text holds
        bool beyondAscii = false;
    };
    Found in(std::string_view text) const;

    // The pairs of an item once folded, from those of its raw bytes, without folding it whole:
    // the raw bytes hold every pair of two ASCII characters, and only the pairs that touch the
    // folding of another character are added.
    std::uint64_t inFolded(std::string_view item, std::uint64_t rawPairs, TextFolder& folder) const;

  private:
    void add(std::string_view word);

    // For eight pairs, a bit each: which of them each half of each of their two bytes allows.
    // A table is looked up by a half, 0 to 15, and kept twice over for 32-byte lookups.
    using Table = std::array<std::uint8_t, 32>;
    struct Bank {
        Table firstLow{};
        Table firstHigh{};
        Table secondLow{};
        Table secondHigh{};
    };
    std::uint64_t bitsOfPair(std::uint8_t first, std::uint8_t second) const {
        std::uint64_t found = 0;
        for (std::size_t b = 0; b < banks_.size() && b * 8 < pairs_.size(); ++b) {
            const Bank& bank = banks_[b];
            const unsigned bits = bank.firstLow[first & 15] & bank.firstHigh[first >> 4] &
                                  bank.secondLow[second & 15] & bank.secondHigh[second >> 4];
            found |= std::uint64_t{bits} << (8 * b);
        }
        return found;
    }
    std::uint64_t inNarrow(std::string_view text) const;
    std::uint64_t inWide(std::string_view text, bool& beyondAscii) const;

    std::vector<std::array<char, 2>> pairs_;
    std::array<Bank, kMaxPairs / 8> banks_{};
};

} // namespace icao
