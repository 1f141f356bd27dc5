// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "search/airport_record.h"
#include "search/find.h"

#include <filesystem>
#include <optional>
#include <unordered_map>
#include <vector>

namespace icao {

// The record each code names, as the code lookup finds it (the first whose positions 3 to 6
// are the code), else the first that gives it as a former code, in one reading of the data
// file that ends once every code is found as a current one; none for a code no record has.
Expected<std::vector<std::optional<AirportRecord>>>
airportsByCode(const std::vector<Text>& codes, const std::filesystem::path& dataFile);
// The record the code names among the records held in memory, else the first that had it.
std::optional<AirportRecord> airportByCode(const Text& code, const AirportIndex& index);

// The records held in memory by their codes, for many look-ups in a row (icao info -): each
// code as the code lookup finds it, the first record whose positions 3 to 6 are the code, else
// the first that gives it as a former code. Valid while the index is.
class AirportsByCodeTable {
  public:
    explicit AirportsByCodeTable(const AirportIndex& index);
    std::optional<AirportRecord> find(const Text& code) const;
    // The same record's item as the index holds it, for an answer that reads only some fields.
    std::optional<StoredItem> itemOf(const Text& code) const;

  private:
    std::unordered_map<Text, StoredItem> current_;
    std::unordered_map<Text, StoredItem> former_;
};

} // namespace icao
