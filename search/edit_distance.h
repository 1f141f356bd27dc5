// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/text.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace icao {

// Edit distance, counted in characters, from one folded word to many others; a swap of two
// neighbouring characters counts as one edit (optimal string alignment). A word of up to
// 64 ASCII characters is compared with ASCII words by bit-parallel rows, which keeps a pass
// over every word of a large file short; other words are compared character by character.
class WordDistance {
  public:
    explicit WordDistance(std::string_view word);

    // The distance to other, or bound + 1 once it is certain to exceed bound.
    std::size_t to(std::string_view other, std::size_t bound);

  private:
    std::size_t toAscii(std::string_view other, std::size_t bound) const;
    std::size_t toText(const Text& other, std::size_t bound);

    Text word_;
    bool bitParallel_ = false;
    // For each ASCII character, the positions of the word that hold it.
    std::array<std::uint64_t, 128> positions_{};
    // Three rows of the table, for words that are not compared bit-parallel.
    std::vector<std::size_t> rows_;
};

} // namespace icao
