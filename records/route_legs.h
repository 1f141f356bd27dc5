// SPDX-License-Identifier: MIT
#pragma once

#include "records/airport_record.h"

#include <cstddef>
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

} // namespace icao
