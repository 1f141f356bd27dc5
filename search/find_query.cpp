// SPDX-License-Identifier: MIT
#include "search/find_query.h"

#include "platform/ascii.h"
#include "search/suggestions.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace icao {
namespace {

bool equalsLowered(std::string_view field, std::string_view text) {
    return field.size() == text.size() && startsWithLowered(field, text);
}

std::uint64_t unionOf(const std::vector<std::uint64_t>& bits) {
    return std::accumulate(bits.begin(), bits.end(), std::uint64_t{0}, std::bit_or<>());
}

} // namespace

FindQuery::FindQuery(FoldedQuery query)
    : folded(std::move(query)), pairs(Suggester::pairWordsOf(folded)),
      needlePairs(unionOf(pairs.bitsOf(folded.mustHold))), needle(folded.mustHold),
      wholeWordMarks(wordMarksNeeded(folded.words)) {}

std::optional<FindRank> codeRankOf(std::string_view code, std::string_view iata,
                                   const FoldedQuery& query) {
    if (equalsLowered(code, query.text)) {
        return FindRank::IcaoCode;
    }
    if (!iata.empty() && equalsLowered(iata, query.text)) {
        return FindRank::IataCode;
    }
    if (startsWithLowered(code, query.text)) {
        return FindRank::IcaoPrefix;
    }
    return std::nullopt;
}

std::optional<FindRank> rankOf(const FoldedFields& fields, const FoldedQuery& query,
                               FindRank worst) {
    if (const auto rank = codeRankOf(fields.code, fields.iata, query)) {
        return rank;
    }
    if (worst < FindRank::WholeWords) {
        return std::nullopt;
    }
    if (!query.words.empty()) {
        const auto everyWord = [&](WordMatch match) {
            return std::ranges::all_of(query.words, [&](const std::string& word) {
                return anyPlaceWordMatches(fields, word, match);
            });
        };
        if (everyWord(WordMatch::Whole)) {
            return FindRank::WholeWords;
        }
        if (worst < FindRank::WordStarts) {
            return std::nullopt;
        }
        if (everyWord(WordMatch::Start)) {
            return FindRank::WordStarts;
        }
    }
    if (worst < FindRank::Substring) {
        return std::nullopt;
    }
    for (std::string_view field :
         {fields.code, fields.name, fields.municipality, fields.country, fields.iata,
          fields.keywords, fields.countryNames, fields.townNames, fields.region, fields.localCode,
          fields.formerCodes}) {
        if (field.find(query.text) != std::string_view::npos) {
            return FindRank::Substring;
        }
    }
    return std::nullopt;
}

} // namespace icao
