#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace icao {

// Tells, without splitting text into words, whether it can hold a word within a few edits of
// a folded word. Each edit spoils at most two of the word's letter pairs, so a near word keeps
// all but 2 * bound of them, and the text holds those. Case is ignored on the text's side, so
// raw ASCII records can be asked before folding.
class NearWordFilter {
  public:
    NearWordFilter(std::string_view word, std::size_t bound);

    // False only when text cannot hold a word within bound edits of the word.
    bool mayHold(std::string_view text) const;

  private:
    // The pairs that text holds, as bits, thirty-two places a step.
    std::uint64_t pairsInWide(std::string_view text) const;

    struct Pair {
        // Each byte sixteen times over, to compare with sixteen places at once.
        alignas(16) std::array<char, 16> first;
        alignas(16) std::array<char, 16> second;
        std::size_t places; // how many places of the word hold this pair
    };
    std::vector<Pair> pairs_;
    // The places whose pairs must be found; none needed means the filter passes everything.
    std::size_t needed_ = 0;
};

} // namespace icao
