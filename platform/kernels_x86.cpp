// SPDX-License-Identifier: MIT
// The vector kernels of x86-64 processors, each written once at one width: SSE2, which every
// one has, or AVX2, which most have; without AVX2 those take their plain twins. Each finishes
// the bytes short of a whole step plainly.
#include "platform/kernels.h"
#include "platform/kernels_plain.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ICAO_X86 1
#define ICAO_AVX2 __attribute__((target("avx2")))
#endif

namespace icao::kernels {
namespace {

bool forcedPlain() {
    const char* value = std::getenv("ICAO_FORCE_SCALAR");
    return value && std::strcmp(value, "1") == 0;
}

#if defined(ICAO_X86)

unsigned lowestBit(unsigned bits) {
    return static_cast<unsigned>(__builtin_ctz(bits));
}

__m128i load16(const char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

ICAO_AVX2 __m256i load32(const void* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

ICAO_AVX2 const char* findItemEndAvx2(const char* p, const char* end) {
    const __m256i comma = _mm256_set1_epi8(',');
    const __m256i lineFeed = _mm256_set1_epi8('\n');
    const __m256i carriageReturn = _mm256_set1_epi8('\r');
    for (; end - p >= 32; p += 32) {
        const __m256i bytes = load32(p);
        const __m256i hits = _mm256_or_si256(
            _mm256_or_si256(_mm256_cmpeq_epi8(bytes, comma), _mm256_cmpeq_epi8(bytes, lineFeed)),
            _mm256_cmpeq_epi8(bytes, carriageReturn));
        if (const auto mask = static_cast<unsigned>(_mm256_movemask_epi8(hits))) {
            return p + lowestBit(mask);
        }
    }
    return plain::findItemEnd(p, end);
}

std::size_t findBeyondAsciiSse2(std::string_view bytes, std::size_t at) {
    for (; at + 16 <= bytes.size(); at += 16) {
        if (const auto high = static_cast<unsigned>(_mm_movemask_epi8(load16(bytes.data() + at)))) {
            return at + lowestBit(high);
        }
    }
    return plain::findBeyondAscii(bytes, at);
}

std::size_t lowerAsciiRunSse2(std::string_view bytes, std::size_t at, char* to) {
    const __m128i beforeA = _mm_set1_epi8('A' - 1);
    const __m128i afterZ = _mm_set1_epi8('Z' + 1);
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; at + 16 <= bytes.size(); at += 16, to += 16) {
        const __m128i chunk = load16(bytes.data() + at);
        // Signed compares: bytes beyond ASCII are negative, so never taken for capitals.
        const __m128i upper =
            _mm_and_si128(_mm_cmpgt_epi8(chunk, beforeA), _mm_cmplt_epi8(chunk, afterZ));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to),
                         _mm_or_si128(chunk, _mm_and_si128(upper, caseBit)));
        if (const auto beyondAscii = static_cast<unsigned>(_mm_movemask_epi8(chunk))) {
            return at + lowestBit(beyondAscii);
        }
    }
    return plain::lowerAsciiRun(bytes, at, to);
}

ICAO_AVX2 std::size_t findBytesAvx2(std::string_view bytes, char byte, std::size_t* positions,
                                    std::size_t wanted) {
    const __m256i wantedByte = _mm256_set1_epi8(byte);
    std::size_t found = 0;
    std::size_t i = 0;
    for (; i + 32 <= bytes.size() && found < wanted; i += 32) {
        auto bits = static_cast<unsigned>(
            _mm256_movemask_epi8(_mm256_cmpeq_epi8(load32(bytes.data() + i), wantedByte)));
        for (; bits != 0 && found < wanted; bits &= bits - 1) {
            positions[found++] = i + lowestBit(bits);
        }
    }
    for (; i < bytes.size() && found < wanted; ++i) {
        if (bytes[i] == byte) {
            positions[found++] = i;
        }
    }
    return found;
}

// Thirty-two bytes a step, their matches counted rather than stored; every processor with
// AVX2 counts bits in one instruction.
__attribute__((target("avx2,popcnt"))) std::size_t findNthByteAvx2(std::string_view bytes,
                                                                   char byte, std::size_t count) {
    const __m256i wantedByte = _mm256_set1_epi8(byte);
    std::size_t i = 0;
    for (; count > 0 && i + 32 <= bytes.size(); i += 32) {
        auto bits = static_cast<unsigned>(
            _mm256_movemask_epi8(_mm256_cmpeq_epi8(load32(bytes.data() + i), wantedByte)));
        const auto found = static_cast<std::size_t>(std::popcount(bits));
        if (found < count) {
            count -= found;
            continue;
        }
        for (; count > 1; --count) {
            bits &= bits - 1;
        }
        return i + lowestBit(bits);
    }
    const std::size_t rest = plain::findNthByte(bytes.substr(i), byte, count);
    return rest == std::string_view::npos ? rest : i + rest;
}

// Thirty-two places a step, one pass for each bank; the last step overlaps the one before it,
// and looking at a place twice does no harm.
ICAO_AVX2 PairsFound findPairsAvx2(std::string_view text, const PairBank* banks,
                                   std::size_t bankCount) {
    if (text.size() < 33) {
        return plain::findPairs(text, banks, bankCount);
    }
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    const __m256i lowHalf = _mm256_set1_epi8(0x0F);
    const std::size_t last = text.size() - 33;
    if (bankCount == 0) {
        return {0, findBeyondAsciiSse2(text, 0) < text.size()};
    }
    PairsFound found;
    __m256i everyByte = _mm256_setzero_si256();
    for (std::size_t b = 0; b < bankCount; ++b) {
        const PairBank& tables = banks[b];
        const __m256i firstLow = load32(tables.firstLow.data());
        const __m256i firstHigh = load32(tables.firstHigh.data());
        const __m256i secondLow = load32(tables.secondLow.data());
        const __m256i secondHigh = load32(tables.secondHigh.data());
        __m256i bank = _mm256_setzero_si256();
        for (std::size_t from = 0;; from = std::min(from + 32, last)) {
            const __m256i rawHere = load32(text.data() + from);
            const __m256i rawNext = load32(text.data() + from + 1);
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
        found.pairs |= std::uint64_t{static_cast<std::uint8_t>(_mm_cvtsi128_si32(half))} << (8 * b);
    }
    found.beyondAscii = _mm256_movemask_epi8(everyByte) != 0;
    return found;
}

// Looks for the needle's first two bytes at thirty-two starts a step (its one byte, for a
// needle of one). Setting bit 5 lowers ASCII letters; it is set on the needle's side too, or
// a needle starting "@" or "[" would never be a candidate. Other bytes that then compare equal
// are checked in full; bytes beyond ASCII keep their top bit and never compare equal. bytes
// holds at least 33 bytes.
template <bool untilBeyondAscii, bool oneByte>
ICAO_AVX2 bool holdsLoweredWide(std::string_view bytes, std::string_view needle) {
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    const __m256i first = _mm256_set1_epi8(static_cast<char>(withCaseBit(needle[0])));
    const __m256i second =
        _mm256_set1_epi8(static_cast<char>(oneByte ? 0 : withCaseBit(needle[1])));
    // The last step overlaps the one before it; a start looked at twice fails twice.
    const std::size_t last = bytes.size() - 33;
    for (std::size_t from = 0;; from = std::min(from + 32, last)) {
        const __m256i here = load32(bytes.data() + from);
        const __m256i next = load32(bytes.data() + from + 1);
        if (untilBeyondAscii && _mm256_movemask_epi8(_mm256_or_si256(here, next)) != 0) {
            return true;
        }
        __m256i starts = _mm256_cmpeq_epi8(_mm256_or_si256(here, caseBit), first);
        if (!oneByte) {
            starts =
                _mm256_and_si256(starts, _mm256_cmpeq_epi8(_mm256_or_si256(next, caseBit), second));
        }
        for (auto candidates = static_cast<unsigned>(_mm256_movemask_epi8(starts)); candidates != 0;
             candidates &= candidates - 1) {
            if (startsWithLowered(bytes.substr(from + lowestBit(candidates)), needle)) {
                return true;
            }
        }
        if (from == last) {
            // The steps start at every byte but the last, where only one byte fits.
            return oneByte && startsWithLowered(bytes.substr(bytes.size() - 1), needle);
        }
    }
}

ICAO_AVX2 bool holdsLoweredAvx2(std::string_view bytes, std::string_view needle,
                                bool untilBeyondAscii) {
    if (needle.empty() || bytes.size() < 33) {
        return plain::holdsLowered(bytes, needle, untilBeyondAscii);
    }
    if (needle.size() == 1) {
        return untilBeyondAscii ? holdsLoweredWide<true, true>(bytes, needle)
                                : holdsLoweredWide<false, true>(bytes, needle);
    }
    return untilBeyondAscii ? holdsLoweredWide<true, false>(bytes, needle)
                            : holdsLoweredWide<false, false>(bytes, needle);
}

__attribute__((target("avx"))) void clearWideRegistersAvx() {
    _mm256_zeroupper();
}

Kernels pickVectorKernels() {
    __builtin_cpu_init();
    const bool avx2 = __builtin_cpu_supports("avx2");
    const bool avx = __builtin_cpu_supports("avx");
    return {avx2 ? findItemEndAvx2 : plain::findItemEnd,
            findBeyondAsciiSse2,
            lowerAsciiRunSse2,
            avx2 ? findBytesAvx2 : plain::findBytes,
            avx2 ? findNthByteAvx2 : plain::findNthByte,
            avx2 ? findPairsAvx2 : plain::findPairs,
            avx2 ? holdsLoweredAvx2 : plain::holdsLowered,
            avx ? clearWideRegistersAvx : plain::clearWideRegisters};
}

#else

Kernels pickVectorKernels() {
    return kPlain;
}

#endif

} // namespace

const Kernels& vectorKernels() {
    static const Kernels kernels = pickVectorKernels();
    return kernels;
}

const Kernels& chosen() {
    static const Kernels& kernels = forcedPlain() ? kPlain : vectorKernels();
    return kernels;
}

} // namespace icao::kernels
