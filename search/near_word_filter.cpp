// SPDX-License-Identifier: MIT
#include "search/near_word_filter.h"

#include <algorithm>

namespace icao {

NearWordFilter::NearWordFilter(std::string_view word, std::size_t bound, const LetterPairs& pairs) {
    const std::vector<std::uint64_t> forward = pairs.bitsOf(word);
    const std::vector<std::uint64_t> backward =
        pairs.bitsOf(std::string(word.rbegin(), word.rend()));
    for (std::size_t i = 0; i < forward.size(); ++i) {
        // A place is looked for either way round, so only one whose pair was kept both ways.
        const std::uint64_t reversed = backward[forward.size() - 1 - i];
        if (forward[i] != 0 && reversed != 0) {
            places_.push_back(forward[i] | reversed);
        }
    }
    needed_ = places_.size() > 2 * bound ? places_.size() - 2 * bound : 0;
}

bool NearWordFilter::mayHold(std::uint64_t foundPairs) const {
    const auto found = std::count_if(places_.begin(), places_.end(),
                                     [foundPairs](auto bit) { return (bit & foundPairs) != 0; });
    return static_cast<std::size_t>(found) >= needed_;
}

} // namespace icao
