#include "search/near_word_filter.h"

#include <algorithm>

namespace icao {

NearWordFilter::NearWordFilter(std::string_view word, std::size_t bound, const LetterPairs& pairs) {
    for (const std::uint64_t bit : pairs.bitsOf(word)) {
        if (bit != 0) {
            places_.push_back(bit);
        }
    }
    needed_ = places_.size() > 3 * bound ? places_.size() - 3 * bound : 0;
}

bool NearWordFilter::mayHold(std::uint64_t foundPairs) const {
    const auto found = std::count_if(places_.begin(), places_.end(),
                                     [foundPairs](auto bit) { return (bit & foundPairs) != 0; });
    return static_cast<std::size_t>(found) >= needed_;
}

} // namespace icao
