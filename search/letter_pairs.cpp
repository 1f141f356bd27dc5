// SPDX-License-Identifier: MIT
#include "search/letter_pairs.h"

#include "lookup/text.h"
#include "platform/ascii.h"

#include <algorithm>

namespace icao {
namespace {

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
    return {static_cast<char>(withCaseBit(word[i])), static_cast<char>(withCaseBit(word[i + 1]))};
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
        kernels::setPair(banks_.data(), pairs_.size(), pair[0], pair[1]);
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

std::uint64_t LetterPairs::inFolded(std::string_view item, std::uint64_t rawPairs,
                                    TextFolder& folder) const {
    std::uint64_t found = rawPairs;
    // The last folded byte before the character at hand, or -1 for none, and where it was
    // known.
    int before = -1;
    std::size_t beforeEnds = 0;
    for (std::size_t at = kernels::findBeyondAscii(item, 0); at < item.size();
         at = kernels::findBeyondAscii(item, at)) {
        if (at != beforeEnds) {
            before = at > 0 ? withCaseBit(item[at - 1]) : -1;
        }
        const char32_t character = nextCharacter(item, at);
        if (character == kNotUtf8) {
            // Not UTF-8, so the whole item is read as Windows-1252 and folded.
            return in(folder.fold(decodeText(item))).pairs;
        }
        for (const char byte : folder.folded(character)) {
            if (before >= 0) {
                found |= bitsOfPair(static_cast<std::uint8_t>(before), withCaseBit(byte));
            }
            before = withCaseBit(byte);
        }
        beforeEnds = at;
        // A character that folds to nothing brings its neighbours together.
        if (before >= 0 && at < item.size() && isAsciiByte(item[at])) {
            found |= bitsOfPair(static_cast<std::uint8_t>(before), withCaseBit(item[at]));
        }
    }
    return found;
}

} // namespace icao
