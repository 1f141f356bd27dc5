// SPDX-License-Identifier: MIT
#pragma once

#include "records/airfield_details.h"
#include "records/airport_record.h"
#include "records/geo.h"
#include "records/route_legs.h"

#include <string>
#include <vector>

namespace icao {

// An airfield a map marks: its label (the code), where it lies and the runways a close view
// draws, those whose thresholds are known.
struct MarkedAirfield {
    std::string label;
    Place place;
    std::vector<Runway> runways;
    // A route's stop may be a navaid or a point as well.
    StopKind kind = StopKind::Airfield;
    // The airfield's or navaid's name, where it is known, for a mark's tip.
    std::string name = {};
};
// The airfield of a record, by its code; one without coordinates at 0°, 0°.
MarkedAirfield markedAirfieldOf(const AirportRecord& record);

// A map's title for one airfield: its code and name, "EGLL  London Heathrow Airport".
std::string titleOf(const AirportRecord& record);

} // namespace icao
