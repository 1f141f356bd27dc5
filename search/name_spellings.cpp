// SPDX-License-Identifier: MIT
#include "search/name_spellings.h"

#include "platform/ascii.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace icao {
namespace {

// Short forms of the words of place names, with and without their full stop.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kShortForms = {{
    {"st", "saint"},
    {"st.", "saint"},
    {"ste", "sainte"},
    {"ste.", "sainte"},
    {"mt", "mount"},
    {"mt.", "mount"},
    {"ft", "fort"},
    {"ft.", "fort"},
    {"intl", "international"},
}};

// The span with each word as spell gives it.
template <class Spell> std::string respelt(std::string_view span, Spell spell) {
    std::string words;
    for (std::size_t from = 0; from <= span.size();) {
        const std::size_t end = std::min(span.find(' ', from), span.size());
        words.append(from > 0 ? " " : "").append(spell(span.substr(from, end - from)));
        from = end + 1;
    }
    return words;
}

std::string possessive(std::string_view word) {
    // Not "ss", as in "swiss", which no possessive ends in.
    const char before = word.size() > 2 ? lowerAscii(word[word.size() - 2]) : '\0';
    if (word.size() > 2 && lowerAscii(word.back()) == 's' && before != 's' &&
        std::isalpha(static_cast<unsigned char>(before))) {
        return std::string(word.substr(0, word.size() - 1)) + "'s";
    }
    return std::string(word);
}

std::string writtenOut(std::string_view word) {
    const std::string lowered = loweredAscii(word);
    const auto form =
        std::find_if(kShortForms.begin(), kShortForms.end(),
                     [&lowered](const auto& short_) { return short_.first == lowered; });
    return form == kShortForms.end() ? std::string(word) : std::string(form->second);
}

} // namespace

std::vector<std::string> otherSpellings(std::string_view span) {
    const std::string full = respelt(span, writtenOut);
    std::vector<std::string> spellings;
    for (std::string spelling : {respelt(span, possessive), full, respelt(full, possessive)}) {
        if (spelling != span &&
            std::find(spellings.begin(), spellings.end(), spelling) == spellings.end()) {
            spellings.push_back(std::move(spelling));
        }
    }
    return spellings;
}

} // namespace icao
