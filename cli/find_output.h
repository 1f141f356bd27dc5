#pragma once

#include "search/airport_record.h"

#include <string>
#include <vector>

namespace icao {

enum class FindFormat { Text, Tsv, Json };

// Records as icao find prints them, each showing its own text, unfolded: aligned columns of
// code, name, municipality, country and IATA code; tab-separated values under a header; or a
// JSON array of objects with a member per column.
std::string formatRecords(const std::vector<AirportRecord>& records, FindFormat format);

// "did you mean:" and the suggested records, as aligned text.
std::string formatSuggestions(const std::vector<AirportRecord>& suggestions);

} // namespace icao
