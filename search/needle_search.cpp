// SPDX-License-Identifier: MIT
#include "search/needle_search.h"

#include "platform/ascii.h"
#include "platform/kernels.h"

#include <algorithm>

namespace icao {
NeedleSearch::NeedleSearch(std::string needle)
    : needle_(std::move(needle)),
      needleAscii_(std::all_of(needle_.begin(), needle_.end(), isAsciiByte)) {}

bool NeedleSearch::mayHold(std::string_view item) const {
    if (!needleAscii_) {
        // ASCII folds to ASCII.
        return !std::all_of(item.begin(), item.end(), isAsciiByte);
    }
    return kernels::holdsLowered(item, needle_, true);
}

bool NeedleSearch::isIn(std::string_view folded) const {
    return needleAscii_ ? kernels::holdsLowered(folded, needle_, false)
                        : folded.find(needle_) != std::string_view::npos;
}

} // namespace icao
