// SPDX-License-Identifier: MIT
#include "search/record_fields.h"

#include "lookup/simd.h"

namespace icao {
namespace {

// The set bits of each byte: counting them takes no instruction that every x86-64 lacks.
constexpr auto kBitCounts = [] {
    std::array<unsigned char, 256> counts{};
    for (std::size_t byte = 0; byte < counts.size(); ++byte) {
        counts[byte] = static_cast<unsigned char>((byte & 1) + (byte >> 1 & 1) + (byte >> 2 & 1) +
                                                  (byte >> 3 & 1) + (byte >> 4 & 1) +
                                                  (byte >> 5 & 1) + (byte >> 6 & 1) + (byte >> 7));
    }
    return counts;
}();

} // namespace

std::string_view fieldAt(std::string_view bytes, RecordField field) {
    // The field starts past separator `before` (none for the first) and ends at the next one.
    std::size_t before = static_cast<std::size_t>(field);
    std::size_t start = 0;
    std::size_t i = 0;
#if defined(ICAO_SIMD_X86)
    const __m128i separator = _mm_set1_epi8('|');
    for (; simd::kSse2 && before > 0 && i + 16 <= bytes.size(); i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
        auto bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, separator)));
        const std::size_t count = kBitCounts[bits & 0xFF] + kBitCounts[bits >> 8];
        if (count < before) {
            before -= count;
            continue;
        }
        for (; before > 1; --before) {
            bits &= bits - 1;
        }
        start = i + static_cast<std::size_t>(__builtin_ctz(bits)) + 1;
        before = 0;
        i = start;
        break;
    }
#endif
    for (; before > 0 && i < bytes.size(); ++i) {
        if (bytes[i] == '|' && --before == 0) {
            start = i + 1;
        }
    }
    if (before > 0) {
        return {};
    }
    const std::string_view rest = bytes.substr(start);
    return rest.substr(0, rest.find('|'));
}

RecordFields::RecordFields(std::string_view bytes, RecordField last) : bytes_(bytes) {
    ends_.fill(bytes.size());
    const std::size_t wanted = static_cast<std::size_t>(last) + 1;
    std::size_t found = 0;
    std::size_t i = 0;
#if defined(ICAO_SIMD_X86)
    // Sixteen bytes a step: every find and near weighs fields of many records.
    const __m128i separator = _mm_set1_epi8('|');
    for (; simd::kSse2 && i + 16 <= bytes.size() && found < wanted; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
        auto bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, separator)));
        for (; bits != 0 && found < wanted; bits &= bits - 1) {
            ends_[found++] = i + static_cast<std::size_t>(__builtin_ctz(bits));
        }
    }
#endif
    for (; i < bytes.size() && found < wanted; ++i) {
        if (bytes[i] == '|') {
            ends_[found++] = i;
        }
    }
    // The fields after `last` are empty: they end where the last one does.
    for (std::size_t k = wanted; k < ends_.size(); ++k) {
        ends_[k] = ends_[wanted - 1];
    }
}

} // namespace icao
