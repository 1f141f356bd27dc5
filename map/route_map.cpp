// SPDX-License-Identifier: MIT
#include "map/route_map.h"

#include "map/great_circle.h"
#include "map/map_layers.h"

#include <algorithm>
#include <cmath>

namespace icao {
namespace {

// Points along the whole route, at the most, beyond the few of each leg: a route of a
// thousand legs drawn at each leg's own detail would be two hundred thousand points.
constexpr double kRoutePoints = 20000;

// Steps of about a two-hundredth of the leg, so that a long leg stays smooth and a short one
// is not drawn in thousands of points, and no finer than the route's share.
MapLine legPoints(const Place& from, const Place& to, double routeKm) {
    return greatCirclePoints(from, to,
                             std::max({5.0, distanceKm(from, to) / 200, routeKm / kRoutePoints}));
}

} // namespace

std::vector<MarkedAirfield> stopsOf(const Route& route) {
    std::vector<MarkedAirfield> stops;
    const auto markedStop = [](const AirportRecord& record, StopKind kind) {
        MarkedAirfield stop = markedAirfieldOf(record);
        stop.kind = kind;
        return stop;
    };
    for (const Leg& leg : route.legs) {
        stops.push_back(markedStop(leg.from, leg.fromKind));
    }
    if (!route.legs.empty()) {
        stops.push_back(markedStop(route.legs.back().to, route.legs.back().toKind));
    }
    return stops;
}

RouteLine routeLineOf(const std::vector<MarkedAirfield>& stops) {
    RouteLine route;
    if (stops.empty()) {
        return route;
    }
    route.points.push_back(stops.front().place);
    route.stopAt.push_back(0);
    double routeKm = 0;
    for (std::size_t stop = 1; stop < stops.size(); ++stop) {
        routeKm += distanceKm(stops[stop - 1].place, stops[stop].place);
    }
    // Each leg goes on from where the one before ended.
    for (std::size_t stop = 1; stop < stops.size(); ++stop) {
        const MapLine leg = legPoints(stops[stop - 1].place, stops[stop].place, routeKm);
        route.points.insert(route.points.end(), leg.begin() + 1, leg.end());
        route.stopAt.push_back(route.points.size() - 1);
    }
    unwrapLongitudes(route.points);
    // A route that lies mostly west of -180 once unwrapped is shown a turn east.
    const double middle = fittedBox({route.points}).centralMeridian();
    const double turn = middle < -180 ? 360 : middle > 180 ? -360 : 0;
    for (Place& place : route.points) {
        place.longitude += turn;
    }
    return route;
}

MapView routeView(const RouteLine& route, double width, double height) {
    return MapView(fittedBox({route.points}), width, height);
}

MapDrawing routeDrawing(const std::vector<MarkedAirfield>& stops, const RouteLine& route,
                        const World& world, const MapView& view, DistanceUnit unit, Labels labels) {
    MapDrawing drawing = landDrawing(world, view);
    drawing.labels = labels;
    DrawnLine& drawn = drawing.lines.emplace_back(DrawnLine{Ink::Route, {}, false});
    for (const Place& place : route.points) {
        drawn.points.push_back(view.project(place));
    }
    for (std::size_t stop = 0; stop < stops.size() && stop < route.stopAt.size(); ++stop) {
        DrawnAirfield& drawn = drawing.airfields.emplace_back(
            drawnAirfieldOf(stops[stop], view, stop == 0 || stop + 1 == stops.size()));
        // Where the line passes the stop, its longitude made continuous with the line's.
        drawn.at = view.project(route.points[route.stopAt[stop]]);
        drawing.title += (stop == 0 ? "" : " – ") + stops[stop].label;
    }
    finishDrawing(drawing, view, unit);
    // In a window, each leg's distance by its middle where that covers nothing else.
    if (labels == Labels::Apart) {
        for (std::size_t stop = 0; stop + 1 < stops.size() && stop + 1 < route.stopAt.size();
             ++stop) {
            const PicturePoint middle =
                view.project(route.points[(route.stopAt[stop] + route.stopAt[stop + 1]) / 2]);
            const double km = distanceKm(stops[stop].place, stops[stop + 1].place);
            placeNote(drawing, middle, mapDistanceText(std::round(distanceIn(km, unit)), unit));
        }
    }
    return drawing;
}

RouteMap routeMap(const std::vector<MarkedAirfield>& stops, const World& world, DistanceUnit unit,
                  double width, double height) {
    const RouteLine route = routeLineOf(stops);
    const MapView view = routeView(route, width, height);
    return {view, routeDrawing(stops, route, world, view, unit)};
}

} // namespace icao
