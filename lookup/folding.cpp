#include "lookup/folding.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <array>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Appends the run of ASCII bytes from at, lowered, and yields where the run ends; sixteen
// bytes a step where the processor allows, as most of a record is ASCII.
std::size_t appendLoweredAscii(std::string_view bytes, std::size_t at, std::string& out) {
    std::size_t end = at;
#if defined(__SSE2__)
    while (end + 16 <= bytes.size()) {
        const auto nonAscii = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + end))));
        if (nonAscii != 0) {
            end += static_cast<std::size_t>(__builtin_ctz(nonAscii));
            break;
        }
        end += 16;
    }
#endif
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) {
        ++end;
    }
    const std::size_t size = out.size();
    out.resize(size + (end - at));
    char* to = out.data() + size;
#if defined(__SSE2__)
    const __m128i beforeA = _mm_set1_epi8('A' - 1);
    const __m128i afterZ = _mm_set1_epi8('Z' + 1);
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; at + 16 <= end; at += 16, to += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at));
        const __m128i upper =
            _mm_and_si128(_mm_cmpgt_epi8(chunk, beforeA), _mm_cmplt_epi8(chunk, afterZ));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to),
                         _mm_or_si128(chunk, _mm_and_si128(upper, caseBit)));
    }
#endif
    for (; at < end; ++at) {
        const char c = bytes[at];
        *to++ = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    }
    return end;
}

} // namespace

const std::string& TextFolder::foldCharacter(char32_t character) {
    if (character < kIndexedCharacters) {
        if (!known_[character]) {
            indexed_[character] = foldWithQt(character);
            known_[character] = true;
        }
        return indexed_[character];
    }
    auto found = others_.find(character);
    if (found == others_.end()) {
        found = others_.emplace(character, foldWithQt(character)).first;
    }
    return found->second;
}

std::string TextFolder::fold(const Text& text) {
    std::string folded;
    folded.reserve(text.size());
    for (char32_t character : text) {
        if (character < 0x80) {
            folded.push_back(static_cast<char>(
                character >= U'A' && character <= U'Z' ? character + (U'a' - U'A') : character));
        } else {
            folded += foldCharacter(character);
        }
    }
    return folded;
}

bool TextFolder::foldUtf8(std::string_view bytes, std::string& out) {
    out.clear();
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            at = appendLoweredAscii(bytes, at, out);
            continue;
        }
        // Two-byte sequences (Latin, Greek, Cyrillic letters) decoded in place.
        if (lead >= 0xC2 && lead <= 0xDF && at + 1 < bytes.size() &&
            (static_cast<unsigned char>(bytes[at + 1]) & 0xC0) == 0x80) {
            const char32_t character =
                (static_cast<char32_t>(lead & 0x1F) << 6) | (bytes[at + 1] & 0x3F);
            out += foldCharacter(character);
            at += 2;
            continue;
        }
        const auto character = nextUtf8Character(bytes, at);
        if (!character) {
            return false;
        }
        out += foldCharacter(*character);
    }
    return true;
}

} // namespace icao
