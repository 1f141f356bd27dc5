// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"
#include "map/map_view.h"
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
    // What the mark stands for, apart from its label: an airfield's ICAO code, a navaid's
    // ident, a point's coordinates as typed.
    std::string code;
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

// Its mark in the view, larger where it is main (an origin, a route's end), labelled.
DrawnAirfield drawnAirfieldOf(const MarkedAirfield& airfield, const MapView& view, bool main);

// A map's title for one airfield: its code and name, "EGLL  London Heathrow Airport".
std::string titleOf(const AirportRecord& record);

} // namespace icao
