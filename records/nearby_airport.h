// SPDX-License-Identifier: MIT
#pragma once

#include "records/airport_record.h"

namespace icao {

// An airfield near an origin, as far from it and in that direction.
struct NearbyAirport {
    RecordItem item;
    double distanceKm;
    // The initial true course from the origin, in degrees.
    double bearing;
};

} // namespace icao
