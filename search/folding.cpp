// SPDX-License-Identifier: MIT
#include "search/folding.h"

#include "platform/ascii.h"
#include "platform/kernels.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <array>
#include <utility>

namespace icao {
namespace {

// Letters that canonical decomposition leaves whole, folded by hand.
constexpr std::array<std::pair<char32_t, const char*>, 17> kUndecomposed = {{
    {U'ß', "ss"},
    {U'ẞ', "ss"},
    {U'ø', "o"},
    {U'Ø', "o"},
    {U'ł', "l"},
    {U'Ł', "l"},
    {U'æ', "ae"},
    {U'Æ', "ae"},
    {U'œ', "oe"},
    {U'Œ', "oe"},
    {U'đ', "d"},
    {U'Đ', "d"},
    {U'þ', "th"},
    {U'Þ', "th"},
    {U'ı', "i"},
    {U'ð', "d"},
    {U'Ð', "d"},
}};

std::string foldWithQt(char32_t character) {
    const auto special =
        std::find_if(kUndecomposed.begin(), kUndecomposed.end(),
                     [character](const auto& entry) { return entry.first == character; });
    if (special != kUndecomposed.end()) {
        return special->second;
    }
    const QString decomposed =
        QString::fromUcs4(&character, 1).normalized(QString::NormalizationForm_D);
    Text folded;
    for (char32_t part : decomposed.toUcs4()) {
        if (!QChar::isMark(part)) {
            folded.push_back(QChar::toCaseFolded(part));
        }
    }
    return toUtf8(folded);
}

} // namespace

const TextFolder::Folding& TextFolder::foldingOf(char32_t character) {
    Folding& folding = indexed_[character];
    if (!folding.known) {
        const std::string folded = foldWithQt(character);
        folding.known = true;
        folding.longer = folded.size() > kShort;
        folding.size = static_cast<unsigned char>(std::min(folded.size(), kShort));
        std::copy_n(folded.begin(), folding.size, folding.bytes.begin());
        if (folding.longer) {
            others_.emplace(character, folded);
        }
    }
    return folding;
}

const std::string& TextFolder::foldCharacter(char32_t character) {
    auto found = others_.find(character);
    if (found == others_.end()) {
        found = others_.emplace(character, foldWithQt(character)).first;
    }
    return found->second;
}

std::string_view TextFolder::foldedSlowly(char32_t character) {
    if (character < kIndexedCharacters) {
        const Folding& folding = foldingOf(character);
        if (!folding.longer) {
            return {folding.bytes.data(), folding.size};
        }
    }
    return foldCharacter(character);
}

std::size_t TextFolder::appendFolding(char32_t character, std::string& out, std::size_t at) {
    if (character < kIndexedCharacters) {
        const Folding& folding = foldingOf(character);
        if (!folding.longer) {
            if (at + kShort > out.size()) {
                out.resize(2 * out.size() + kShort);
            }
            std::copy(folding.bytes.begin(), folding.bytes.end(), out.begin() + at);
            return at + folding.size;
        }
    }
    const std::string& folded = foldCharacter(character);
    if (at + folded.size() > out.size()) {
        out.resize(2 * out.size() + folded.size());
    }
    std::copy(folded.begin(), folded.end(), out.begin() + at);
    return at + folded.size();
}

std::string TextFolder::fold(const Text& text) {
    std::string folded(text.size() + kShort, '\0');
    std::size_t at = 0;
    for (char32_t character : text) {
        if (character < 0x80) {
            folded[at++] = static_cast<char>(lowerAscii(character));
            if (at + kShort > folded.size()) {
                folded.resize(2 * folded.size());
            }
        } else {
            at = appendFolding(character, folded, at);
        }
    }
    folded.resize(at);
    return folded;
}

bool TextFolder::foldUtf8(std::string_view bytes, std::string& out) {
    // Room for the item as it stands and one more step: an ASCII run never grows, and each
    // further character makes room for itself.
    out.resize(bytes.size() + 16);
    std::size_t to = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            if (to + (bytes.size() - at) + 16 > out.size()) {
                out.resize(to + (bytes.size() - at) + 16);
            }
            const std::size_t end = kernels::lowerAsciiRun(bytes, at, out.data() + to);
            to += end - at;
            at = end;
            continue;
        }
        if (const char32_t character = twoByteUtf8Character(bytes, at)) {
            to = appendFolding(character, out, to);
            at += 2;
            continue;
        }
        const auto character = nextUtf8Character(bytes, at);
        if (!character) {
            return false;
        }
        to = appendFolding(*character, out, to);
    }
    out.resize(to);
    return true;
}

} // namespace icao
