// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"
#include "map/land.h"
#include "map/map_view.h"
#include "records/airfield_details.h"

#include <string>
#include <vector>

namespace icao {

// An airfield a map marks: its label (the code), where it lies and the runways a close view
// draws, those whose thresholds are known.
struct MapStop {
    std::string label;
    Place place;
    std::vector<Runway> runways;
};
// The airfield of a record, by its code; one without coordinates at 0°, 0°.
MapStop mapStopOf(const AirportRecord& record);

// A route as a map draws it: the legs' great circles, the longitudes made continuous and turned
// to lie mostly within ±180, and where on them each stop lies.
struct RouteLine {
    MapLine points;
    std::vector<std::size_t> stopAt;
};
RouteLine routeLineOf(const std::vector<MapStop>& stops);

// The view fitted to the route: one that runs over the antimeridian is centred there, whole,
// not split across the map.
MapView routeView(const RouteLine& route, double width, double height);

// The route through the stops in order over the land, each stop marked and labelled.
MapDrawing routeDrawing(const std::vector<MapStop>& stops, const RouteLine& route,
                        const World& world, const MapView& view);

struct RouteMap {
    MapView view;
    MapDrawing drawing;
};
RouteMap routeMap(const std::vector<MapStop>& stops, const World& world, double width = 960,
                  double height = 540);

} // namespace icao
