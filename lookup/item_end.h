#pragma once

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace icao::detail {

inline bool isItemEnd(char c) {
    return c == ',' || c == '\n' || c == '\r';
}

// The first comma or line-end byte in [begin, end), or end. This is the scan's inner loop, so
// it looks at sixteen bytes a step where the processor allows.
inline const char* findItemEnd(const char* begin, const char* end) {
    const char* p = begin;
#if defined(__SSE2__)
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    while (end - p >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hits = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, comma), _mm_cmpeq_epi8(bytes, lineFeed)),
            _mm_cmpeq_epi8(bytes, carriageReturn));
        if (const int mask = _mm_movemask_epi8(hits)) {
            return p + __builtin_ctz(static_cast<unsigned>(mask));
        }
        p += 16;
    }
#endif
    for (; p < end; ++p) {
        if (isItemEnd(*p)) {
            return p;
        }
    }
    return end;
}

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
