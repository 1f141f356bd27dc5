// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "search/airport_record.h"

#include <filesystem>
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
    // The codes that name no airfield with coordinates, in the order given; the route is empty
    // when there are any.
    std::vector<Text> unknown;
};

// The legs from each code to the next, over a spherical earth.
Expected<Route> planRoute(const std::vector<Text>& codes, const std::filesystem::path& dataFile);

} // namespace icao
