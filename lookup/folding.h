#pragma once

#include "lookup/text.h"

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

  private:
    const std::string& foldCharacter(char32_t character);

    // Folding a character asks Qt once; the answers for the common planes are kept by index.
    static constexpr char32_t kIndexedCharacters = 0x3400;
    std::vector<std::string> indexed_ = std::vector<std::string>(kIndexedCharacters);
    std::vector<unsigned char> known_ = std::vector<unsigned char>(kIndexedCharacters);
    std::unordered_map<char32_t, std::string> others_;
};

} // namespace icao
