#pragma once

#include <cstddef>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ICAO_ITEM_END_AVX2 1
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(ICAO_ITEM_END_AVX2)
// Thirty-two bytes a step, on processors that have AVX2.
__attribute__((target("avx2"))) inline const char* findItemEndAvx2(const char* p, const char* end) {
    const __m256i comma = _mm256_set1_epi8(',');
    const __m256i lineFeed = _mm256_set1_epi8('\n');
    const __m256i carriageReturn = _mm256_set1_epi8('\r');
    while (end - p >= 32) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256i hits = _mm256_or_si256(
            _mm256_or_si256(_mm256_cmpeq_epi8(bytes, comma), _mm256_cmpeq_epi8(bytes, lineFeed)),
            _mm256_cmpeq_epi8(bytes, carriageReturn));
        if (const unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(hits))) {
            return p + __builtin_ctz(mask);
        }
        p += 32;
    }
    return findItemEndScalar(p, end);
}

inline const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

#if defined(__SSE2__)
inline const char* findItemEndSse2(const char* p, const char* end) {
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
    return findItemEndScalar(p, end);
}
#endif

// The first comma or line-end byte in [begin, end), or end. This is the scan's inner loop, so
// it looks at sixteen or thirty-two bytes a step where the processor allows.
inline const char* findItemEnd(const char* begin, const char* end) {
#if defined(ICAO_ITEM_END_AVX2)
    if (kHasAvx2) {
        return findItemEndAvx2(begin, end);
    }
#endif
#if defined(__SSE2__)
    return findItemEndSse2(begin, end);
#else
    return findItemEndScalar(begin, end);
#endif
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
