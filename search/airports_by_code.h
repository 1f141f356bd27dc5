// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/airport_record.h"
#include "search/record_source.h"

#include <optional>
#include <vector>

namespace icao {

// The record each code names, as the code lookup finds it (the first whose positions 3 to 6
// are the code), else the first that gives it as a former code; none for a code no record has.
// From the file in one reading that ends once every code is found as a current one; from the
// records held in memory by a hash.
Expected<std::vector<std::optional<AirportRecord>>> airportsByCode(const std::vector<Text>& codes,
                                                                   const RecordSource& source);

// Whether the file may give the code as a former code: its bytes stand somewhere as a word
// (between a "|" or a space and a "|", a space or a line end). Never wrongly no; one plain pass
// over the bytes, so that a code no record has costs little more than the lookup's own scan.
Expected<bool> mayGiveFormerCode(const Text& code, const std::filesystem::path& dataFile);

} // namespace icao
