#include "search/edit_distance.h"

#include "lookup/ascii.h"

#include <algorithm>

namespace icao {
namespace {

std::size_t sizeGap(std::size_t a, std::size_t b) {
    return a > b ? a - b : b - a;
}

} // namespace

WordDistance::WordDistance(std::string_view word) : word_(decodeText(word)) {
    bitParallel_ = !word.empty() && word.size() <= 64 && isAscii(word);
    if (bitParallel_) {
        for (std::size_t i = 0; i < word.size(); ++i) {
            positions_[static_cast<unsigned char>(word[i])] |= std::uint64_t{1} << i;
        }
    }
}

std::size_t WordDistance::to(std::string_view other, std::size_t bound) {
    // A character takes one to four bytes, so the byte count alone rules most words out.
    if (other.size() + bound < word_.size() || other.size() > 4 * (word_.size() + bound)) {
        return bound + 1;
    }
    if (bitParallel_ && isAscii(other)) {
        return toAscii(other, bound);
    }
    return toText(decodeText(other), bound);
}

// Myers' bit-vector algorithm: one machine word holds the vertical differences of a whole
// column of the distance table, so each character of other costs a few operations.
std::size_t WordDistance::toAscii(std::string_view other, std::size_t bound) const {
    const std::size_t size = word_.size();
    if (sizeGap(size, other.size()) > bound) {
        return bound + 1;
    }
    const std::uint64_t last = std::uint64_t{1} << (size - 1);
    std::uint64_t plusVertical = ~std::uint64_t{0};
    std::uint64_t minusVertical = 0;
    std::size_t distance = size;
    for (std::size_t j = 0; j < other.size(); ++j) {
        const std::uint64_t equal = positions_[static_cast<unsigned char>(other[j])];
        const std::uint64_t crossVertical = equal | minusVertical;
        const std::uint64_t crossHorizontal =
            (((equal & plusVertical) + plusVertical) ^ plusVertical) | equal;
        std::uint64_t plusHorizontal = minusVertical | ~(crossHorizontal | plusVertical);
        std::uint64_t minusHorizontal = plusVertical & crossHorizontal;
        if (plusHorizontal & last) {
            ++distance;
        } else if (minusHorizontal & last) {
            --distance;
        }
        // Each step left can lower the distance by one at most.
        const std::size_t left = other.size() - j - 1;
        if (distance > bound + left) {
            return bound + 1;
        }
        // The top row of the table counts up by one per character of other.
        plusHorizontal = (plusHorizontal << 1) | 1;
        minusHorizontal <<= 1;
        plusVertical = minusHorizontal | ~(crossVertical | plusHorizontal);
        minusVertical = plusHorizontal & crossVertical;
    }
    return std::min(distance, bound + 1);
}

std::size_t WordDistance::toText(const Text& other, std::size_t bound) {
    const Text& a = word_;
    const Text& b = other;
    if (sizeGap(a.size(), b.size()) > bound) {
        return bound + 1;
    }
    row_.resize(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row_[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row_[0];
        row_[0] = i;
        std::size_t best = row_[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row_[j];
            row_[j] =
                std::min({row_[j] + 1, row_[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row_[j]);
        }
        if (best > bound) {
            return bound + 1;
        }
    }
    return std::min(row_[b.size()], bound + 1);
}

} // namespace icao
