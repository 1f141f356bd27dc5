// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "search/find_result.h"
#include "search/folding.h"
#include "search/query_words.h"

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
Expected<FindResult> findAirports(const Text& text, std::size_t limit,
                                  const std::filesystem::path& dataFile);

// An item of the records held in memory, with its airfield's latitude in hundredths of a
// degree, rounded, so that a search for the nearest rules most items out without reading them.
struct StoredItem {
    static constexpr std::int16_t kNoPlace = std::numeric_limits<std::int16_t>::min();

    std::string_view bytes;
    std::size_t line;
    std::int16_t latitude;
};

// The records of a data file held in memory, folded once, for many finds in a row: the desktop
// finder asks at every key press, icao for each key read from standard input.
class AirportIndex {
  public:
    static Expected<AirportIndex> load(const std::filesystem::path& dataFile);
    AirportIndex(AirportIndex&&) noexcept;
    AirportIndex& operator=(AirportIndex&&) noexcept;
    ~AirportIndex();

    // The same answer as findAirports over the same file.
    FindResult find(const Text& text, std::size_t limit);

    // Each kept item's bytes and line, in file order, until visit returns false: every item
    // but those no find, code lookup or place can use.
    void visitItems(const std::function<bool(const StoredItem&)>& visit) const;

  private:
    struct Records;
    explicit AirportIndex(std::unique_ptr<Records> records);
    std::unique_ptr<Records> records_;
};

} // namespace icao
