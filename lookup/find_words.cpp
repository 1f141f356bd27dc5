#include "lookup/find_words.h"

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace icao {

FoldedQuery prepareQuery(const Text& query, TextFolder& folder) {
    FoldedQuery prepared;
    for (char c : folder.fold(query)) {
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
    std::array<std::string_view, 6> fields{};
    std::size_t index = 0;
    std::size_t start = 0;
    const auto separatorAt = [&](std::size_t at) {
        fields[index++] = folded.substr(start, at - start);
        start = at + 1;
    };
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes a step: every find weighs fields of many records.
    const __m128i separator = _mm_set1_epi8('|');
    for (; i + 16 <= folded.size() && index < fields.size(); i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(folded.data() + i));
        auto separators =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, separator)));
        while (separators && index < fields.size()) {
            separatorAt(i + static_cast<std::size_t>(__builtin_ctz(separators)));
            separators &= separators - 1;
        }
    }
#endif
    for (; i < folded.size() && index < fields.size(); ++i) {
        if (folded[i] == '|') {
            separatorAt(i);
        }
    }
    if (index < fields.size()) {
        fields[index] = folded.substr(start);
    }
    return {fields[1], fields[2], fields[3], fields[4], fields[5]};
}

} // namespace icao
