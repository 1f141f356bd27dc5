// SPDX-License-Identifier: MIT
#pragma once

#include "records/airport_record.h"
#include "search/folding.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace icao {

// Folded text splits into words at ASCII characters that are neither letters nor digits;
// letters beyond ASCII (Cyrillic, CJK, ...) stay inside words. A table, as every word of many
// records is walked.
inline constexpr auto kWordBytes = [] {
    std::array<bool, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        table[byte] = byte >= 0x80 || (byte >= 'a' && byte <= 'z') ||
                      (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9');
    }
    return table;
}();

inline bool isWordByte(char c) {
    return kWordBytes[static_cast<unsigned char>(c)];
}

// Calls visit with each word of text in turn until it yields true; yields whether it did.
template <class Visit> bool anyWord(std::string_view text, Visit visit) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !isWordByte(text[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && isWordByte(text[i])) {
            ++i;
        }
        if (i > start && visit(text.substr(start, i - start))) {
            return true;
        }
    }
    return false;
}

// The most characters of a find text that are searched: more than any airport's text holds,
// and few enough that weighing suggestions, whose time grows with the square, stays quick.
inline constexpr std::size_t kMaxFindText = 200;

// A find query, folded, its blanks squeezed to single spaces.
struct FoldedQuery {
    std::string text;
    std::vector<std::string> words;
    // The longest word, or the whole text: every hit holds it somewhere.
    std::string mustHold;
};

FoldedQuery prepareQuery(const Text& query, TextFolder& folder);

// The fields find reads, as views into a whole item folded at once.
struct FoldedFields {
    std::string_view code;
    std::string_view name;
    std::string_view municipality;
    std::string_view country;
    std::string_view iata;
    std::string_view keywords;
    std::string_view countryNames;
    std::string_view townNames;
    std::string_view region;
    std::string_view localCode;
    std::string_view formerCodes;
};

FoldedFields fieldsOf(std::string_view folded);
// The codes alone, the other fields left empty: fewer separators to find.
FoldedFields codesOf(std::string_view item);

// Calls visit with each word of the name, then of the municipality, then of the keywords (the
// alternate and local names), until it yields true.
template <class Visit> bool anyOwnWord(const FoldedFields& fields, Visit visit) {
    return anyWord(fields.name, visit) || anyWord(fields.municipality, visit) ||
           anyWord(fields.keywords, visit);
}

// How a query word must stand in a place field's words.
enum class WordMatch { Whole, Start };

// Whether word, made of word bytes only, is a whole word of text or starts one.
bool holdsWord(std::string_view text, std::string_view word, WordMatch match);

// The fields whose words name an airfield or its place: the name, municipality, keywords,
// country's names, town's and region's, and its local and former codes.
inline std::array<std::string_view, 8> placeFieldsOf(const FoldedFields& fields) {
    return {fields.name,      fields.municipality, fields.keywords,  fields.countryNames,
            fields.townNames, fields.region,       fields.localCode, fields.formerCodes};
}

// Whether word, made of word bytes only, is a whole word of one of the place fields, or starts
// one. Its occurrences are
// found rather than every word walked: most words of most records share no letter with it.
bool anyPlaceWordMatches(const FoldedFields& fields, std::string_view word, WordMatch match);

} // namespace icao
