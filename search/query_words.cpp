#include "search/query_words.h"

#include "lookup/simd.h"
#include "search/find.h"

#include <algorithm>
#include <array>

namespace icao {

FoldedQuery prepareQuery(const Text& query, TextFolder& folder) {
    FoldedQuery prepared;
    for (char c : folder.fold(query.substr(0, kMaxFindText))) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!blank) {
            prepared.text.push_back(c);
        } else if (!prepared.text.empty() && prepared.text.back() != ' ') {
            prepared.text.push_back(' ');
        }
    }
    while (!prepared.text.empty() && prepared.text.back() == ' ') {
        prepared.text.pop_back();
    }
    anyWord(prepared.text, [&prepared](std::string_view word) {
        prepared.words.emplace_back(word);
        return false;
    });
    prepared.mustHold = prepared.text;
    if (!prepared.words.empty()) {
        prepared.mustHold = *std::max_element(
            prepared.words.begin(), prepared.words.end(),
            [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    }
    return prepared;
}

FoldedFields fieldsOf(std::string_view folded) {
    // Where the separators that close each field stand; a missing one stands past the end.
    std::array<std::size_t, kRecordFields> separators;
    separators.fill(folded.size());
    std::size_t found = 0;
    std::size_t i = 0;
#if defined(ICAO_SIMD_X86)
    // Sixteen bytes a step: every find weighs fields of many records.
    const __m128i separator = _mm_set1_epi8('|');
    for (; simd::kSse2 && i + 16 <= folded.size() && found < separators.size(); i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(folded.data() + i));
        auto bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, separator)));
        for (; bits != 0 && found < separators.size(); bits &= bits - 1) {
            separators[found++] = i + static_cast<std::size_t>(__builtin_ctz(bits));
        }
    }
#endif
    for (; i < folded.size() && found < separators.size(); ++i) {
        if (folded[i] == '|') {
            separators[found++] = i;
        }
    }
    // Field k runs from just past separator k - 1 to separator k.
    const auto field = [&](std::size_t k) {
        const std::size_t start = std::min(separators[k - 1] + 1, folded.size());
        return folded.substr(start, separators[k] - start);
    };
    using enum RecordField;
    const auto at = [&](RecordField which) { return field(static_cast<std::size_t>(which)); };
    return {at(Code), at(Name), at(Municipality), at(Country), at(Iata), at(Keywords)};
}

} // namespace icao
