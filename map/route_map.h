// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"
#include "map/land.h"
#include "map/map_view.h"

#include <string>
#include <vector>

namespace icao {

// An airfield a map marks: its label (the code) and where it lies.
struct MapStop {
    std::string label;
    Place place;
};

struct RouteMap {
    MapView view;
    MapDrawing drawing;
};

// The route through the stops in order, each leg its great circle, over the land, each stop
// marked and labelled, in a view fitted to the route: one that runs over the antimeridian is
// centred there, whole, not split across the map.
RouteMap routeMap(const std::vector<MapStop>& stops, const World& world, double width = 960,
                  double height = 540);

} // namespace icao
