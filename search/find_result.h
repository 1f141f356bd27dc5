// SPDX-License-Identifier: MIT
#pragma once

#include "records/airport_record.h"
#include "search/standing.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace icao {

// How well a record matches a find query, best first.
enum class FindRank {
    IcaoCode,   // the query is the ICAO code
    IataCode,   // the query is the IATA code
    IcaoPrefix, // the query starts the ICAO code
    WholeWords, // every query word is a whole word of a place field (name, municipality, ...)
    WordStarts, // every query word starts a word of a place field
    Substring,  // the query stands in some field
};
inline constexpr std::size_t kRankCount = static_cast<std::size_t>(FindRank::Substring) + 1;

struct FindHit {
    FindRank rank;
    // Larger and more prominent airfields come first within a rank.
    Standing standing;
    RecordItem item;
};

// Whether a find counts every hit, kept or not, for "50 of 64 shown"; a count costs the ranking
// of every record that holds the query, which a find that keeps only its best need not do.
enum class HitCount { KeptOnly, Every };

struct FindResult {
    // Best first; within a rank larger and more prominent airfields first, then file order.
    std::vector<FindHit> hits;
    // When nothing matched better than a substring: up to three other records within a small
    // edit distance of the query.
    std::vector<AirportRecord> suggestions;
    // Every hit, where the find counted them: as many as hits when all are kept.
    std::optional<std::size_t> matched;
};

} // namespace icao
