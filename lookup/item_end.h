// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstring>

namespace icao::detail {

inline bool isItemEnd(char c) {
    return c == ',' || c == '\n' || c == '\r';
}

inline const char* findItemEndScalar(const char* p, const char* end) {
    for (; p < end; ++p) {
        if (isItemEnd(*p)) {
            return p;
        }
    }
    return end;
}

// Thirty-two bytes a step; only where the processor has AVX2.
const char* findItemEndAvx2(const char* p, const char* end);

using ItemEndSearch = const char* (*)(const char* begin, const char* end);

// The first comma or line-end byte in [begin, end), or end. This is the scan's inner loop, so
// it is the fastest of the searches above that the processor allows, picked once.
extern const ItemEndSearch findItemEnd;

// Line ends in [begin, end): LF, and CR not followed by LF within the range.
inline std::size_t countLineEnds(const char* begin, const char* end) {
    std::size_t count = 0;
    for (const char* p = begin; p < end; ++p) {
        count += *p == '\n' || (*p == '\r' && (p + 1 == end || p[1] != '\n')) ? 1 : 0;
    }
    return count;
}

inline const char* findClosingQuote(const char* begin, const char* end) {
    const void* hit = std::memchr(begin, '"', static_cast<std::size_t>(end - begin));
    return hit ? static_cast<const char*>(hit) : end;
}

} // namespace icao::detail
