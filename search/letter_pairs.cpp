// SPDX-License-Identifier: MIT
#include "search/letter_pairs.h"

#include "lookup/ascii.h"
#include "lookup/simd.h"
#include "lookup/text.h"

#include <algorithm>

namespace icao {
namespace {

// Setting bit 5 lowers ASCII letters and leaves digits as they are. Both sides are set alike,
// so a pair is never missed; a byte it turns into another only adds a pair counted in vain.
std::uint8_t lowered(char c) {
    return static_cast<std::uint8_t>(c | 0x20);
}

// Where the first byte beyond ASCII from `at` stands, or the end; sixteen bytes a step.
std::size_t nextBeyondAscii(std::string_view bytes, std::size_t at) {
#if defined(ICAO_SIMD_X86)
    for (; simd::kSse2 && at + 16 <= bytes.size(); at += 16) {
        const auto high = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at))));
        if (high != 0) {
            return at + static_cast<std::size_t>(__builtin_ctz(high));
        }
    }
#endif
    while (at < bytes.size() && isAsciiByte(bytes[at])) {
        ++at;
    }
    return at;
}

constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// Decodes the character at `at` beyond ASCII and steps past it; kNotUtf8 when it is not UTF-8.
// A plain value rather than an optional, which this hot loop would keep on the stack.
char32_t nextCharacter(std::string_view bytes, std::size_t& at) {
    if (const char32_t character = twoByteUtf8Character(bytes, at)) {
        at += 2;
        return character;
    }
    return nextUtf8Character(bytes, at).value_or(kNotUtf8);
}

// The pair of word that starts at i, lowered as texts are.
std::array<char, 2> pairAt(std::string_view word, std::size_t i) {
    return {static_cast<char>(lowered(word[i])), static_cast<char>(lowered(word[i + 1]))};
}

} // namespace

LetterPairs::LetterPairs(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        add(word);
    }
}

void LetterPairs::add(std::string_view word) {
    if (!isAscii(word)) {
        return;
    }
    for (std::size_t i = 0; i + 1 < word.size() && pairs_.size() < kMaxPairs; ++i) {
        const std::array<char, 2> pair = pairAt(word, i);
        if (std::find(pairs_.begin(), pairs_.end(), pair) != pairs_.end()) {
            continue;
        }
        const std::size_t index = pairs_.size();
        Bank& bank = banks_[index / 8];
        const auto bit = static_cast<std::uint8_t>(1u << (index % 8));
        const auto first = static_cast<std::uint8_t>(pair[0]);
        const auto second = static_cast<std::uint8_t>(pair[1]);
        for (const std::size_t copy : {0, 16}) {
            bank.firstLow[copy + (first & 15)] |= bit;
            bank.firstHigh[copy + (first >> 4)] |= bit;
            bank.secondLow[copy + (second & 15)] |= bit;
            bank.secondHigh[copy + (second >> 4)] |= bit;
        }
        pairs_.push_back(pair);
    }
}

std::vector<std::uint64_t> LetterPairs::bitsOf(std::string_view word) const {
    std::vector<std::uint64_t> bits;
    if (!isAscii(word)) {
        return bits;
    }
    for (std::size_t i = 0; i + 1 < word.size(); ++i) {
        const std::array<char, 2> pair = pairAt(word, i);
        const auto at = std::find(pairs_.begin(), pairs_.end(), pair);
        bits.push_back(at == pairs_.end()
                           ? 0
                           : std::uint64_t{1} << static_cast<std::size_t>(at - pairs_.begin()));
    }
    return bits;
}

#if defined(ICAO_SIMD_X86)
// Thirty-two places a step, one pass for each bank, on processors that have AVX2; text holds
// at least 33 bytes.
ICAO_TARGET_AVX2 std::uint64_t LetterPairs::inWide(std::string_view text, bool& beyondAscii) const {
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    const __m256i lowHalf = _mm256_set1_epi8(0x0F);
    // The last step overlaps the one before it; looking at a place twice does no harm.
    const std::size_t last = text.size() - 33;
    std::uint64_t found = 0;
    __m256i everyByte = _mm256_setzero_si256();
    const std::size_t banks = std::max<std::size_t>((pairs_.size() + 7) / 8, 1);
    for (std::size_t b = 0; b < banks; ++b) {
        const __m256i firstLow =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(banks_[b].firstLow.data()));
        const __m256i firstHigh =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(banks_[b].firstHigh.data()));
        const __m256i secondLow =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(banks_[b].secondLow.data()));
        const __m256i secondHigh =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(banks_[b].secondHigh.data()));
        __m256i bank = _mm256_setzero_si256();
        for (std::size_t from = 0;; from = std::min(from + 32, last)) {
            const __m256i rawHere =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text.data() + from));
            const __m256i rawNext =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text.data() + from + 1));
            everyByte = _mm256_or_si256(everyByte, _mm256_or_si256(rawHere, rawNext));
            const __m256i here = _mm256_or_si256(rawHere, caseBit);
            const __m256i next = _mm256_or_si256(rawNext, caseBit);
            const __m256i first = _mm256_and_si256(
                _mm256_shuffle_epi8(firstLow, _mm256_and_si256(here, lowHalf)),
                _mm256_shuffle_epi8(firstHigh,
                                    _mm256_and_si256(_mm256_srli_epi16(here, 4), lowHalf)));
            const __m256i second = _mm256_and_si256(
                _mm256_shuffle_epi8(secondLow, _mm256_and_si256(next, lowHalf)),
                _mm256_shuffle_epi8(secondHigh,
                                    _mm256_and_si256(_mm256_srli_epi16(next, 4), lowHalf)));
            bank = _mm256_or_si256(bank, _mm256_and_si256(first, second));
            if (from == last) {
                break;
            }
        }
        __m128i half =
            _mm_or_si128(_mm256_castsi256_si128(bank), _mm256_extracti128_si256(bank, 1));
        half = _mm_or_si128(half, _mm_srli_si128(half, 8));
        half = _mm_or_si128(half, _mm_srli_si128(half, 4));
        half = _mm_or_si128(half, _mm_srli_si128(half, 2));
        half = _mm_or_si128(half, _mm_srli_si128(half, 1));
        found |= std::uint64_t{static_cast<std::uint8_t>(_mm_cvtsi128_si32(half))} << (8 * b);
    }
    beyondAscii = _mm256_movemask_epi8(everyByte) != 0;
    return found;
}
#endif

std::uint64_t LetterPairs::inNarrow(std::string_view text) const {
    std::uint64_t found = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        found |= bitsOfPair(lowered(text[i]), lowered(text[i + 1]));
    }
    return found;
}

LetterPairs::Found LetterPairs::in(std::string_view text) const {
#if defined(ICAO_SIMD_X86)
    if (simd::kAvx2 && text.size() >= 33) {
        Found found;
        found.pairs = inWide(text, found.beyondAscii);
        return found;
    }
#endif
    return {inNarrow(text), !isAscii(text)};
}

std::uint64_t LetterPairs::inFolded(std::string_view item, std::uint64_t rawPairs,
                                    TextFolder& folder) const {
    std::uint64_t found = rawPairs;
    // The last folded byte before the character at hand, or -1 for none, and where it was
    // known.
    int before = -1;
    std::size_t beforeEnds = 0;
    for (std::size_t at = nextBeyondAscii(item, 0); at < item.size();
         at = nextBeyondAscii(item, at)) {
        if (at != beforeEnds) {
            before = at > 0 ? lowered(item[at - 1]) : -1;
        }
        const char32_t character = nextCharacter(item, at);
        if (character == kNotUtf8) {
            // Not UTF-8, so the whole item is read as Windows-1252 and folded.
            return in(folder.fold(decodeText(item))).pairs;
        }
        for (const char byte : folder.folded(character)) {
            if (before >= 0) {
                found |= bitsOfPair(static_cast<std::uint8_t>(before), lowered(byte));
            }
            before = lowered(byte);
        }
        beforeEnds = at;
        // A character that folds to nothing brings its neighbours together.
        if (before >= 0 && at < item.size() && isAsciiByte(item[at])) {
            found |= bitsOfPair(static_cast<std::uint8_t>(before), lowered(item[at]));
        }
    }
    return found;
}

} // namespace icao
