// SPDX-License-Identifier: MIT
#include "map/route_map.h"

#include "map/great_circle.h"
#include "map/map_layers.h"

#include <algorithm>

namespace icao {
namespace {

// Steps of about a two-hundredth of the leg, so that a long leg stays smooth and a short one
// is not drawn in thousands of points.
MapLine legPoints(const Place& from, const Place& to) {
    return greatCirclePoints(from, to, std::max(5.0, distanceKm(from, to) / 200));
}

} // namespace

RouteMap routeMap(const std::vector<MapStop>& stops, const World& world, double width,
                  double height) {
    MapLine route;
    // Where each stop stands in the route, once unwrapped.
    std::vector<std::size_t> stopAt;
    if (!stops.empty()) {
        route.push_back(stops.front().place);
        stopAt.push_back(0);
    }
    // Each leg goes on from where the one before ended.
    for (std::size_t stop = 1; stop < stops.size(); ++stop) {
        const MapLine leg = legPoints(stops[stop - 1].place, stops[stop].place);
        route.insert(route.end(), leg.begin() + 1, leg.end());
        stopAt.push_back(route.size() - 1);
    }
    unwrapLongitudes(route);
    // A route that lies mostly west of -180 once unwrapped is shown a turn east.
    if (!route.empty()) {
        const DegreeBox first = fittedBox({route});
        const double turn = first.centralMeridian() < -180  ? 360
                            : first.centralMeridian() > 180 ? -360
                                                            : 0;
        for (Place& place : route) {
            place.longitude += turn;
        }
    }
    RouteMap map{MapView(fittedBox({route}), width, height), {}};
    MapDrawing& drawing = map.drawing;
    drawing.width = width;
    drawing.height = height;
    drawLand(world, map.view, drawing.lines);
    DrawnLine& drawn = drawing.lines.emplace_back(DrawnLine{Ink::Route, {}, false});
    for (const Place& place : route) {
        drawn.points.push_back(map.view.project(place));
    }
    for (std::size_t stop = 0; stop < stops.size(); ++stop) {
        drawing.airfields.push_back({map.view.project(route[stopAt[stop]]),
                                     stops[stop].label,
                                     {},
                                     stop == 0 || stop + 1 == stops.size()});
        drawing.title += (stop == 0 ? "" : " – ") + stops[stop].label;
    }
    placeLabels(drawing.airfields);
    drawing.scale = scaleBarOf(map.view);
    return map;
}

} // namespace icao
