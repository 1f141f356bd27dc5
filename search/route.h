// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/airport_record.h"
#include "search/record_source.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace icao {

// One leg of a route: the great circle from one airfield to the next.
struct Leg {
    AirportRecord from;
    AirportRecord to;
    double distanceKm;
    // The initial true course, in degrees.
    double course;
};

struct Route {
    std::vector<Leg> legs;
    double totalKm = 0;
    // Where, among the codes given, those stand that name no airfield with coordinates, in
    // order; the route is empty when there are any.
    std::vector<std::size_t> unknown;
};

// How a stop's code is read when no record has it; none when nothing is.
using StopReader = std::function<std::optional<AirportRecord>(const Text& code)>;

// The legs from each code to the next, over a spherical earth: each code read as the code
// lookup reads it (or as a former code), else by otherwise where given.
Expected<Route> planRoute(const std::vector<Text>& codes, const RecordSource& source,
                          const StopReader& otherwise = {});

} // namespace icao
