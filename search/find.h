// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "search/airport_record.h"
#include "search/folding.h"
#include "search/query_words.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace icao {

// How well a record matches a find query, best first.
enum class FindRank {
    IcaoCode,   // the query is the ICAO code
    IataCode,   // the query is the IATA code
    IcaoPrefix, // the query starts the ICAO code
    WholeWords, // every query word is a whole word of the name or municipality
    WordStarts, // every query word starts a word of the name or municipality
    Substring,  // the query stands in some field
};
inline constexpr std::size_t kRankCount = static_cast<std::size_t>(FindRank::Substring) + 1;

struct FindHit {
    FindRank rank;
    // Larger airfields come first within a rank.
    AirfieldKind kind;
    AirportRecord record;
};

struct FindResult {
    // Best first; within a rank larger airfields first, then file order.
    std::vector<FindHit> hits;
    // When nothing matched better than a substring: up to three other records within a small
    // edit distance of the query.
    std::vector<AirportRecord> suggestions;
};

inline constexpr std::size_t kDefaultFindLimit = 10;

// Searches every record of the data file for text (its first kMaxFindText characters),
// ignoring letter case and accents. At most limit hits are kept, beyond those whose ICAO or
// IATA code is the query.
Expected<FindResult> findAirports(const Text& text, std::size_t limit,
                                  const std::filesystem::path& dataFile);

// The records of a data file held in memory, folded once, for many finds in a row.
class AirportIndex {
  public:
    static Expected<AirportIndex> load(const std::filesystem::path& dataFile);
    AirportIndex(AirportIndex&&) noexcept;
    AirportIndex& operator=(AirportIndex&&) noexcept;
    ~AirportIndex();

    // The same answer as findAirports over the same file.
    FindResult find(const Text& text, std::size_t limit);

  private:
    struct Records;
    explicit AirportIndex(std::unique_ptr<Records> records);
    std::unique_ptr<Records> records_;
};

} // namespace icao
