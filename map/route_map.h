// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"
#include "map/land.h"
#include "map/map_view.h"
#include "map/marked_airfield.h"
#include "records/route_legs.h"
#include "records/units.h"

#include <string>
#include <vector>

namespace icao {

// The route's stops in order: where each leg starts, then where the last ends.
std::vector<MarkedAirfield> stopsOf(const Route& route);

// A route as a map draws it: the legs' great circles, the longitudes made continuous and turned
// to lie mostly within ±180, and where on them each stop lies.
struct RouteLine {
    MapLine points;
    std::vector<std::size_t> stopAt;
};
RouteLine routeLineOf(const std::vector<MarkedAirfield>& stops);

// The view fitted to the route: one that runs over the antimeridian is centred there, whole,
// not split across the map.
MapView routeView(const RouteLine& route, double width, double height);

// The route through the stops in order over the land, each stop marked and labelled, the scale
// bar in the unit; its words laid out as asked.
MapDrawing routeDrawing(const std::vector<MarkedAirfield>& stops, const RouteLine& route,
                        const World& world, const MapView& view, DistanceUnit unit,
                        Labels labels = Labels::EveryAirfield);

struct RouteMap {
    MapView view;
    MapDrawing drawing;
};
RouteMap routeMap(const std::vector<MarkedAirfield>& stops, const World& world, DistanceUnit unit,
                  double width = 960, double height = 540);

} // namespace icao
