// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/text.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace icao {

// Folds text for matching that ignores letter case and accents: canonical decomposition with
// the combining marks dropped, case folding, and a small table for letters that do not
// decompose (ß to ss, ø to o, ł to l, æ to ae, œ to oe, đ to d, þ to th, ı to i). The result
// is UTF-8; plain ASCII text only changes case.
class TextFolder {
  public:
    std::string fold(const Text& text);
    // Folds an item's bytes into out, which is cleared first; false, leaving out unusable,
    // when they are not UTF-8 (decode them and fold the text instead).
    bool foldUtf8(std::string_view bytes, std::string& out);
    // Folds an item's bytes whole into out, read as the data file's items are: as UTF-8, or
    // else decoded as Windows-1252.
    void foldItem(std::string_view bytes, std::string& out) {
        if (!foldUtf8(bytes, out)) {
            out = fold(decodeText(bytes));
        }
    }
    // One character's folding, valid while this folder lives.
    std::string_view folded(char32_t character) {
        if (character < kIndexedCharacters) {
            const Folding& folding = indexed_[character];
            if (folding.known && !folding.longer) {
                return {folding.bytes.data(), folding.size};
            }
        }
        return foldedSlowly(character);
    }

  private:
    // A character's folding, kept whole when it is short enough to copy in one step.
    struct Folding {
        std::array<char, 8> bytes{};
        unsigned char size = 0;
        bool known = false;
        bool longer = false;
    };
    static constexpr std::size_t kShort = 8;

    std::string_view foldedSlowly(char32_t character);
    const std::string& foldCharacter(char32_t character);
    const Folding& foldingOf(char32_t character);
    // Appends one character's folding at out[at], growing out as needed; yields the new end.
    std::size_t appendFolding(char32_t character, std::string& out, std::size_t at);

    // Folding a character asks Qt once; the answers for the common planes are kept by index.
    static constexpr char32_t kIndexedCharacters = 0x3400;
    std::vector<Folding> indexed_ = std::vector<Folding>(kIndexedCharacters);
    std::unordered_map<char32_t, std::string> others_;
};

} // namespace icao
