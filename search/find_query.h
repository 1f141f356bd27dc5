// SPDX-License-Identifier: MIT
#pragma once

#include "search/find_result.h"
#include "search/letter_pairs.h"
#include "search/needle_search.h"
#include "search/query_words.h"
#include "search/word_marks.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace icao {

// A find query made ready once for every record it weighs: its folded words, the letter pairs
// that rule records out before they are folded or ranked, and the needle every hit holds.
struct FindQuery {
    explicit FindQuery(FoldedQuery folded);

    FoldedQuery folded;
    // The pairs of the query's words and of the words reversed, for the suggestions' filters.
    LetterPairs pairs;
    // The pairs of the needle: a record that lacks one cannot hold the needle.
    std::uint64_t needlePairs;
    NeedleSearch needle;
    // The word marks of every item that may be a hit of whole words.
    WordMarks wholeWordMarks;
};

// The rank that the codes alone decide: exact ICAO code, exact IATA code, ICAO code prefix.
// The codes may be raw ASCII or folded.
std::optional<FindRank> codeRankOf(std::string_view code, std::string_view iata,
                                   const FoldedQuery& query);

// How a folded record matches the query; none when it does not, or when it matches only worse
// than `worst`.
std::optional<FindRank> rankOf(const FoldedFields& fields, const FoldedQuery& query,
                               FindRank worst = FindRank::Substring);

} // namespace icao
