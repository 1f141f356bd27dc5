#include "lookup/near_word_filter.h"

#include "lookup/ascii.h"

#include <algorithm>
#include <cstdint>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ICAO_NEAR_WORD_AVX2 1
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace icao {
namespace {

// The pairs kept as bits of one word.
constexpr std::size_t kMaxPairs = 64;

// Setting bit 5 lowers ASCII letters and leaves digits as they are; any other byte it turns
// into a letter or digit only adds a pair that is then counted in vain.
char lowered(char c) {
    return static_cast<char>(c | 0x20);
}

#if defined(ICAO_NEAR_WORD_AVX2)
const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

} // namespace

#if defined(ICAO_NEAR_WORD_AVX2)
// Thirty-two places a step, on processors that have AVX2; text holds at least 33 bytes.
__attribute__((target("avx2"))) std::uint64_t
NearWordFilter::pairsInWide(std::string_view text) const {
    std::uint64_t found = 0;
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    // The last step overlaps the one before it; looking at a place twice does no harm.
    const std::size_t last = text.size() - 33;
    for (std::size_t from = 0;; from = std::min(from + 32, last)) {
        const __m256i here = _mm256_or_si256(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text.data() + from)), caseBit);
        const __m256i next = _mm256_or_si256(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text.data() + from + 1)), caseBit);
        for (std::size_t p = 0; p < pairs_.size(); ++p) {
            const __m256i both =
                _mm256_and_si256(_mm256_cmpeq_epi8(here, _mm256_set1_epi8(pairs_[p].first[0])),
                                 _mm256_cmpeq_epi8(next, _mm256_set1_epi8(pairs_[p].second[0])));
            found |= std::uint64_t{_mm256_movemask_epi8(both) != 0} << p;
        }
        if (from == last) {
            break;
        }
    }
    return found;
}
#endif

NearWordFilter::NearWordFilter(std::string_view word, std::size_t bound) {
    if (!isAscii(word) || word.size() < 2) {
        return; // pairs of bytes beyond ASCII are not pairs of characters
    }
    for (std::size_t i = 0; i + 1 < word.size() && pairs_.size() < kMaxPairs; ++i) {
        const auto same = std::find_if(pairs_.begin(), pairs_.end(), [&](const Pair& pair) {
            return pair.first[0] == word[i] && pair.second[0] == word[i + 1];
        });
        if (same != pairs_.end()) {
            ++same->places;
        } else {
            Pair pair{};
            pair.first.fill(word[i]);
            pair.second.fill(word[i + 1]);
            pair.places = 1;
            pairs_.push_back(pair);
        }
        ++needed_;
    }
    needed_ = needed_ > 2 * bound ? needed_ - 2 * bound : 0;
}

bool NearWordFilter::mayHold(std::string_view text) const {
    if (needed_ == 0) {
        return true;
    }
    std::uint64_t found = 0;
    std::size_t i = 0;
#if defined(ICAO_NEAR_WORD_AVX2)
    if (kHasAvx2 && text.size() >= 33) {
        found = pairsInWide(text);
        i = text.size();
    }
#endif
#if defined(__SSE2__)
    if (i == 0 && text.size() >= 17) {
        const __m128i caseBit = _mm_set1_epi8(0x20);
        // Sixteen places from `from`; looking at a place twice does no harm.
        const auto step = [&](std::size_t from) {
            const __m128i here = _mm_or_si128(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from)), caseBit);
            const __m128i next = _mm_or_si128(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from + 1)), caseBit);
            for (std::size_t p = 0; p < pairs_.size(); ++p) {
                const auto* first = reinterpret_cast<const __m128i*>(pairs_[p].first.data());
                const auto* second = reinterpret_cast<const __m128i*>(pairs_[p].second.data());
                const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(here, _mm_load_si128(first)),
                                                   _mm_cmpeq_epi8(next, _mm_load_si128(second)));
                found |= std::uint64_t{_mm_movemask_epi8(both) != 0} << p;
            }
        };
        for (; i + 17 <= text.size(); i += 16) {
            step(i);
        }
        if (i + 1 < text.size()) {
            step(text.size() - 17);
        }
        i = text.size();
    }
#endif
    for (; i + 1 < text.size(); ++i) {
        for (std::size_t p = 0; p < pairs_.size(); ++p) {
            if (lowered(text[i]) == pairs_[p].first[0] &&
                lowered(text[i + 1]) == pairs_[p].second[0]) {
                found |= std::uint64_t{1} << p;
            }
        }
    }
    std::size_t places = 0;
    for (std::size_t p = 0; p < pairs_.size(); ++p) {
        if (found & (std::uint64_t{1} << p)) {
            places += pairs_[p].places;
        }
    }
    return places >= needed_;
}

} // namespace icao
