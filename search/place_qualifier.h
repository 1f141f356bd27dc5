// SPDX-License-Identifier: MIT
#pragma once

#include "records/airport_record.h"

#include <string_view>

namespace icao {

class TextFolder;

// Whether the words after a comma qualify an airfield's place as people write one ("Columbus,
// GA", "Paris, France"): its country's code or one of its names, its region's name, or for the
// United States, Canada and Australia the postal code of its state or province. Letter case
// and accents aside.
bool qualifiesPlace(const AirportRecord& record, std::string_view words, TextFolder& folder);

} // namespace icao
