// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstring>

namespace icao::detail {

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
