// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "search/airport_record.h"
#include "search/find.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace icao {

// The record each code names, as the code lookup finds it (the first whose positions 3 to 6
// are the code), else the first that gives it as a former code, in one reading of the data
// file that ends once every code is found as a current one; none for a code no record has.
Expected<std::vector<std::optional<AirportRecord>>>
airportsByCode(const std::vector<Text>& codes, const std::filesystem::path& dataFile);
// The record the code names among the records held in memory, else the first that had it.
std::optional<AirportRecord> airportByCode(const Text& code, const AirportIndex& index);

} // namespace icao
