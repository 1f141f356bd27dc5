// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/airport_record.h"
#include "records/route_legs.h"
#include "search/record_source.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace icao {

// How a stop's code is read when no record has it; none when nothing is.
using StopReader = std::function<std::optional<AirportRecord>(const Text& code)>;

// The legs from each code to the next, over a spherical earth: each code read as the code
// lookup reads it (or as a former code), else by otherwise where given.
Expected<Route> planRoute(const std::vector<Text>& codes, const RecordSource& source,
                          const StopReader& otherwise = {});

} // namespace icao
