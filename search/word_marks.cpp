// SPDX-License-Identifier: MIT
#include "search/word_marks.h"

namespace icao {
namespace {

// The word's mark, or none for a longer word. Letters are lowered, as an item folded from a
// file that was not UTF-8 may hold capitals.
WordMarks markOf(std::string_view word) {
    if (word.empty() || word.size() > 2) {
        return 0;
    }
    std::uint32_t hash = 0;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        hash = hash * 31 + (byte >= 'A' && byte <= 'Z' ? byte | 0x20 : byte);
    }
    // The top three bits of a Fibonacci hash spread nearby letters.
    const unsigned bucket = (hash * 0x9E3779B1u) >> 29;
    return static_cast<WordMarks>(1u << (bucket + (word.size() - 1) * 8));
}

} // namespace

WordMarks wordMarksOf(const FoldedFields& fields) {
    WordMarks marks = 0;
    for (const std::string_view field : placeFieldsOf(fields)) {
        anyWord(field, [&marks](std::string_view word) {
            marks |= markOf(word);
            return false;
        });
    }
    return marks;
}

WordMarks wordMarksNeeded(const std::vector<std::string>& words) {
    WordMarks needed = 0;
    for (const std::string& word : words) {
        needed |= markOf(word);
    }
    return needed;
}

} // namespace icao
