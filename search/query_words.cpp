// SPDX-License-Identifier: MIT
#include "search/query_words.h"

#include "lookup/record_layout.h"

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

bool holdsWord(std::string_view text, std::string_view word, WordMatch match) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        // A word of valid UTF-8 is found only where a character starts.
        const std::size_t end = at + word.size();
        const bool starts = at == 0 || !isWordByte(text[at - 1]);
        const bool ends = end == text.size() || !isWordByte(text[end]);
        if (starts && (match == WordMatch::Start || ends)) {
            return true;
        }
    }
    return false;
}

bool anyPlaceWordMatches(const FoldedFields& fields, std::string_view word, WordMatch match) {
    return std::ranges::any_of(placeFieldsOf(fields), [&](std::string_view field) {
        return holdsWord(field, word, match);
    });
}

FoldedFields fieldsOf(std::string_view folded) {
    const RecordFields fields(folded);
    using enum RecordField;
    return {fields[Code],   fields[Name],      fields[Municipality], fields[Country],
            fields[Iata],   fields[Keywords],  fields[CountryNames], fields[TownNames],
            fields[Region], fields[LocalCode], fields[FormerCodes]};
}

FoldedFields codesOf(std::string_view item) {
    const RecordFields fields(item, RecordField::Iata);
    FoldedFields codes;
    codes.code = fields[RecordField::Code];
    codes.iata = fields[RecordField::Iata];
    return codes;
}

} // namespace icao
