// SPDX-License-Identifier: MIT
#include "lookup/item_end.h"

#include "lookup/simd.h"

namespace icao::detail {

#if defined(ICAO_SIMD_X86)
ICAO_TARGET_AVX2 const char* findItemEndAvx2(const char* p, const char* end) {
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
#else
const char* findItemEndAvx2(const char* p, const char* end) {
    return findItemEndScalar(p, end);
}
#endif

const ItemEndSearch findItemEnd = simd::kAvx2 ? findItemEndAvx2 : findItemEndScalar;

} // namespace icao::detail
