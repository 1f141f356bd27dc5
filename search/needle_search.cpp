// SPDX-License-Identifier: MIT
#include "search/needle_search.h"

#include "lookup/ascii.h"
#include "lookup/simd.h"

#include <algorithm>

namespace icao {
namespace {

#if defined(ICAO_SIMD_X86)
// The search below, thirty-two starts a step, on processors that have AVX2; bytes holds at
// least 33 bytes and the needle at least two.
template <bool untilBeyondAscii>
ICAO_TARGET_AVX2 bool searchWide(std::string_view bytes, std::string_view needle) {
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    const __m256i first = _mm256_set1_epi8(needle[0]);
    const __m256i second = _mm256_set1_epi8(needle[1]);
    // The last step overlaps the one before it; a start looked at twice fails twice.
    const std::size_t last = bytes.size() - 33;
    for (std::size_t from = 0;; from = std::min(from + 32, last)) {
        const __m256i here =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes.data() + from));
        const __m256i next =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes.data() + from + 1));
        if (untilBeyondAscii && _mm256_movemask_epi8(_mm256_or_si256(here, next)) != 0) {
            return true;
        }
        auto candidates = static_cast<unsigned>(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(here, caseBit), first),
                             _mm256_cmpeq_epi8(_mm256_or_si256(next, caseBit), second))));
        for (; candidates != 0; candidates &= candidates - 1) {
            const std::size_t at = from + static_cast<std::size_t>(__builtin_ctz(candidates));
            if (startsWithLowered(bytes.substr(at), needle)) {
                return true;
            }
        }
        if (from == last) {
            return false;
        }
    }
}
#endif

} // namespace

NeedleSearch::NeedleSearch(std::string needle)
    : needle_(std::move(needle)),
      needleAscii_(std::all_of(needle_.begin(), needle_.end(), isAsciiByte)) {}

bool NeedleSearch::mayHold(std::string_view item) const {
    if (!needleAscii_) {
        // ASCII folds to ASCII.
        return !std::all_of(item.begin(), item.end(), isAsciiByte);
    }
    return search<true>(item);
}

bool NeedleSearch::isIn(std::string_view folded) const {
    return needleAscii_ ? search<false>(folded) : folded.find(needle_) != std::string_view::npos;
}

// Looks for the ASCII needle in bytes with their ASCII letters lowered; with untilBeyondAscii,
// yields true at the first byte beyond ASCII. Where the processor allows, the needle's first
// two bytes are looked for at sixteen places a step.
template <bool untilBeyondAscii> bool NeedleSearch::search(std::string_view bytes) const {
    const std::string_view needle = needle_;
#if defined(ICAO_SIMD_X86)
    if (simd::kAvx2 && needle.size() >= 2 && bytes.size() >= 33) {
        return searchWide<untilBeyondAscii>(bytes, needle);
    }
#endif
    std::size_t i = 0;
#if defined(ICAO_SIMD_X86)
    if (simd::kSse2 && needle.size() >= 2 && bytes.size() >= 17) {
        // Setting bit 5 lowers ASCII letters; other bytes that then compare equal are checked
        // in full. Bytes beyond ASCII keep their top bit and never compare equal.
        const __m128i caseBit = _mm_set1_epi8(0x20);
        const __m128i first = _mm_set1_epi8(needle[0]);
        const __m128i second = _mm_set1_epi8(needle[1]);
        // Sixteen starts from `from`, of which those before `fresh` were looked at already.
        const auto step = [&](std::size_t from, std::size_t fresh) {
            const __m128i here =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + from));
            const __m128i next =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + from + 1));
            if (untilBeyondAscii && _mm_movemask_epi8(_mm_or_si128(here, next)) != 0) {
                return true;
            }
            auto candidates = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(here, caseBit), first),
                              _mm_cmpeq_epi8(_mm_or_si128(next, caseBit), second))));
            candidates &= ~((1u << (fresh - from)) - 1);
            while (candidates) {
                const std::size_t at = from + static_cast<std::size_t>(__builtin_ctz(candidates));
                if (startsWithLowered(bytes.substr(at), needle)) {
                    return true;
                }
                candidates &= candidates - 1;
            }
            return false;
        };
        for (; i + 17 <= bytes.size(); i += 16) {
            if (step(i, i)) {
                return true;
            }
        }
        // The last starts in one step that overlaps what was looked at already.
        return i + 1 < bytes.size() && step(bytes.size() - 17, i);
    }
#endif
    for (std::size_t at = i; at < bytes.size(); ++at) {
        if ((untilBeyondAscii && !isAsciiByte(bytes[at])) ||
            (startsWithLowered(bytes.substr(at), needle))) {
            return true;
        }
    }
    return needle.empty();
}

} // namespace icao
