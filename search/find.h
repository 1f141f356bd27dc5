// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/airfield_filter.h"
#include "search/find_result.h"
#include "search/folding.h"
#include "search/query_words.h"
#include "search/stored_item.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace icao {

inline constexpr std::size_t kDefaultFindLimit = 10;

// Searches every record of the data file for text (its first kMaxFindText characters),
// ignoring letter case and accents. At most limit hits are kept, beyond those whose ICAO or
// IATA code is the query.
// Only airfields the filter admits are hits or suggestions.
Expected<FindResult> findAirports(const Text& text, std::size_t limit,
                                  const std::filesystem::path& dataFile,
                                  const AirfieldFilter& filter = {});

// The records of a data file held in memory, folded once, for many finds in a row: the desktop
// finder asks at every key press, icao for each key read from standard input. Several threads
// may ask at once.
class AirportIndex {
  public:
    static Expected<AirportIndex> load(const std::filesystem::path& dataFile);
    AirportIndex(AirportIndex&&) noexcept;
    AirportIndex& operator=(AirportIndex&&) noexcept;
    ~AirportIndex();

    // The same answer as findAirports over the same file.
    FindResult find(const Text& text, std::size_t limit, const AirfieldFilter& filter = {},
                    HitCount count = HitCount::KeptOnly);

    // The hits of find that read the text strongly: by a code or every word whole, not by a
    // code's start; no suggestions. Only the records that hold the words or the code are weighed,
    // so that a route of many words can ask it of every span of its words.
    FindResult findStrong(const Text& text, std::size_t limit);

    // Each kept item's bytes and line, in file order, until visit returns false: every item
    // but those no find, code lookup or place can use.
    void visitItems(const std::function<bool(const StoredItem&)>& visit) const;
    // The item a code names, by a hash: as the code lookup finds it, else the first that gives
    // it as a former code.
    std::optional<StoredItem> itemByCode(const Text& code) const;

  private:
    struct Records;
    FoldedQuery folded(const Text& text) const;
    explicit AirportIndex(std::unique_ptr<Records> records);
    std::unique_ptr<Records> records_;
};

} // namespace icao
