// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"
#include "map/land.h"
#include "map/map_view.h"
#include "map/marked_airfield.h"
#include "records/nearby_airport.h"
#include "records/units.h"

#include <cstddef>
#include <string>
#include <vector>

namespace icao {

// The most neighbours a map marks: past a thousand marks in a picture of 960 by 540 pixels
// they stand on one another and their labels hide the land.
inline constexpr std::size_t kMostMarkedNeighbours = 1000;

// A radio navigation aid a map marks: where it lies, its ident, and whether it is an NDB.
struct MarkedNavaid {
    Place place;
    std::string ident;
    bool ndb = false;
};

// What a map around one place shows: the origin, the airfields near it, and rings at round
// distances from it where asked.
struct Neighbourhood {
    MarkedAirfield origin;
    std::vector<MarkedAirfield> neighbours;
    bool rings = true;
    std::string title;
    // The navaids about the origin, marked beside the airfields.
    std::vector<MarkedNavaid> navaids = {};
};

// The origin among the airfields near it, with rings.
Neighbourhood neighbourhoodOf(MarkedAirfield origin, const std::vector<NearbyAirport>& neighbours,
                              std::string title);
// An airfield among those near it, titled by its code and name.
Neighbourhood neighbourhoodOf(const AirportRecord& origin,
                              const std::vector<NearbyAirport>& neighbours);
// One airfield alone, titled by its code and name, without rings.
Neighbourhood airfieldAlone(const AirportRecord& record);

// An azimuthal view centred on the origin that holds every neighbour, or, with none, the
// origin's runways and what lies around them.
MapView neighbourhoodView(const Neighbourhood& neighbourhood, double width = 960,
                          double height = 540);

// The land, the rings, every airfield marked and labelled and, where the view is close enough
// to show them, the airfields' runways with their ends' idents; the rings and the scale bar in
// the unit; its words laid out as asked.
MapDrawing neighbourhoodDrawing(const Neighbourhood& neighbourhood, const World& world,
                                const MapView& view, DistanceUnit unit,
                                Labels labels = Labels::EveryAirfield);

} // namespace icao
