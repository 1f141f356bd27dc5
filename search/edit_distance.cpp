// SPDX-License-Identifier: MIT
#include "search/edit_distance.h"

#include "platform/ascii.h"

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

// Myers' bit-vector algorithm with Hyyrö's transposition step: one machine word holds the
// vertical differences of a whole column of the distance table, so each character of other
// costs a few operations.
std::size_t WordDistance::toAscii(std::string_view other, std::size_t bound) const {
    const std::size_t size = word_.size();
    if (sizeGap(size, other.size()) > bound) {
        return bound + 1;
    }
    const std::uint64_t last = std::uint64_t{1} << (size - 1);
    std::uint64_t plusVertical = ~std::uint64_t{0};
    std::uint64_t minusVertical = 0;
    std::uint64_t diagonalSame = 0;
    std::uint64_t previousEqual = 0;
    std::size_t distance = size;
    for (std::size_t j = 0; j < other.size(); ++j) {
        const std::uint64_t equal = positions_[static_cast<unsigned char>(other[j])];
        // Where this character and the one before match the word's two in the other order.
        const std::uint64_t swapped = ((~diagonalSame & equal) << 1) & previousEqual;
        diagonalSame = (((equal & plusVertical) + plusVertical) ^ plusVertical) | equal |
                       minusVertical | swapped;
        std::uint64_t plusHorizontal = minusVertical | ~(diagonalSame | plusVertical);
        std::uint64_t minusHorizontal = plusVertical & diagonalSame;
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
        plusVertical = minusHorizontal | ~(diagonalSame | plusHorizontal);
        minusVertical = plusHorizontal & diagonalSame;
        previousEqual = equal;
    }
    return std::min(distance, bound + 1);
}

// The table row by row, the two rows before kept for swaps.
std::size_t WordDistance::toText(const Text& other, std::size_t bound) {
    const Text& a = word_;
    const Text& b = other;
    if (sizeGap(a.size(), b.size()) > bound) {
        return bound + 1;
    }
    const std::size_t width = b.size() + 1;
    rows_.assign(3 * width, 0);
    for (std::size_t j = 0; j < width; ++j) {
        rows_[j] = j;
    }
    std::size_t bestBefore = 0;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t* row = &rows_[(i % 3) * width];
        const std::size_t* above = &rows_[((i - 1) % 3) * width];
        const std::size_t* twoAbove = &rows_[((i + 1) % 3) * width];
        row[0] = i;
        std::size_t best = i;
        for (std::size_t j = 1; j < width; ++j) {
            row[j] = std::min(
                {above[j] + 1, row[j - 1] + 1, above[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                row[j] = std::min(row[j], twoAbove[j - 2] + 1);
            }
            best = std::min(best, row[j]);
        }
        // A swap reaches back two rows, so two rows past the bound settle it.
        if (best > bound && bestBefore > bound) {
            return bound + 1;
        }
        bestBefore = best;
    }
    return std::min(rows_[(a.size() % 3) * width + b.size()], bound + 1);
}

} // namespace icao
