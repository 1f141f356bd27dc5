// SPDX-License-Identifier: MIT
#include "map/neighbourhood_map.h"

#include "map/great_circle.h"
#include "map/map_layers.h"

#include <algorithm>
#include <cmath>

namespace icao {
namespace {

constexpr double kKmPerFoot = 0.0003048;
// A runway shorter than this many pixels would be a speck under the airfield's mark; one
// shorter than the second would have its idents crowd the airfield's label.
constexpr double kShortestDrawnRunway = 16;
constexpr double kShortestNamedRunway = 90;
// A ring is a polygon of this many sides: round at any size a picture has.
constexpr int kRingSides = 120;

// Where a runway's thresholds lie, both known.
std::optional<std::pair<Place, Place>> thresholdsOf(const Runway& runway) {
    if (runway.ends.size() != 2 || !runway.ends[0].threshold || !runway.ends[1].threshold) {
        return std::nullopt;
    }
    return std::pair(*runway.ends[0].threshold, *runway.ends[1].threshold);
}

// How far the runways reach from the airfield's own place, in kilometres.
double runwaysReachKm(const MarkedAirfield& airfield) {
    double reach = 0;
    for (const Runway& runway : airfield.runways) {
        if (const auto ends = thresholdsOf(runway)) {
            reach = std::max({reach, distanceKm(airfield.place, ends->first),
                              distanceKm(airfield.place, ends->second)});
        }
    }
    return reach;
}

// Rings at round distances in the unit, about three to the picture's nearer edge, as far as
// its corners.
void drawRings(const Place& centre, const MapView& view, DistanceUnit unit, MapDrawing& drawing) {
    const double unitKm = nameOf(unit).km;
    const double edgeKm = std::min(view.width(), view.height()) / 2 * view.kmPerPixel();
    const double cornerKm = std::hypot(view.width(), view.height()) / 2 * view.kmPerPixel();
    const double step = roundDistanceBelow(edgeKm / unitKm / 3);
    // Beyond a quarter of the earth's round a ring no longer looks like one.
    for (int count = 1; count * step * unitKm <= std::min(cornerKm, 10000.0); ++count) {
        const double km = count * step * unitKm;
        DrawnLine& ring = drawing.lines.emplace_back(DrawnLine{Ink::Ring, {}, true});
        for (int side = 0; side < kRingSides; ++side) {
            ring.points.push_back(view.project(placeAlong(centre, 360.0 * side / kRingSides, km)));
        }
        const PicturePoint top = ring.points.front();
        drawing.notes.push_back({{top.x + 4, top.y - 4}, mapDistanceText(count * step, unit)});
    }
}

void drawRunways(const MarkedAirfield& airfield, const MapView& view, MapDrawing& drawing) {
    for (const Runway& runway : airfield.runways) {
        const auto ends = thresholdsOf(runway);
        if (!ends) {
            continue;
        }
        const PicturePoint from = view.project(ends->first);
        const PicturePoint to = view.project(ends->second);
        const double length = std::hypot(to.x - from.x, to.y - from.y);
        if (length < kShortestDrawnRunway) {
            continue;
        }
        const double width =
            std::max(2.0, runway.widthFt.value_or(100) * kKmPerFoot / view.kmPerPixel());
        drawing.lines.push_back({Ink::Runway, {from, to}, false, width});
        if (length < kShortestNamedRunway) {
            continue;
        }
        // Each end's ident stands beyond it, on the runway's line.
        const double alongX = (to.x - from.x) / length;
        const double alongY = (to.y - from.y) / length;
        const double beyond = 6 + kNoteSize;
        const auto identAt = [&](const PicturePoint& end, double away, std::size_t characters) {
            return PicturePoint{end.x + away * alongX * beyond -
                                    textWidth(characters, kNoteSize) / 2,
                                end.y + away * alongY * beyond + kNoteSize * 0.35};
        };
        const std::string& first = runway.ends[0].ident;
        const std::string& second = runway.ends[1].ident;
        drawing.notes.push_back({identAt(from, -1, first.size()), first});
        drawing.notes.push_back({identAt(to, 1, second.size()), second});
    }
}

} // namespace

Neighbourhood neighbourhoodOf(MarkedAirfield origin, const std::vector<NearbyAirport>& neighbours,
                              std::string title) {
    Neighbourhood neighbourhood{std::move(origin), {}, true, std::move(title)};
    neighbourhood.neighbours.reserve(neighbours.size());
    for (const NearbyAirport& airport : neighbours) {
        neighbourhood.neighbours.push_back(markedAirfieldOf(airport.item.record()));
    }
    return neighbourhood;
}

Neighbourhood neighbourhoodOf(const AirportRecord& origin,
                              const std::vector<NearbyAirport>& neighbours) {
    return neighbourhoodOf(markedAirfieldOf(origin), neighbours, titleOf(origin));
}

Neighbourhood airfieldAlone(const AirportRecord& record) {
    return {markedAirfieldOf(record), {}, false, titleOf(record)};
}

MapView neighbourhoodView(const Neighbourhood& neighbourhood, double width, double height) {
    double reach = 0;
    for (const MarkedAirfield& neighbour : neighbourhood.neighbours) {
        reach = std::max(reach, distanceKm(neighbourhood.origin.place, neighbour.place));
    }
    if (!neighbourhood.neighbours.empty()) {
        return MapView::around(neighbourhood.origin.place, std::max(3.0, 1.15 * reach), width,
                               height);
    }
    // With no neighbours, the runways and what lies around them, or a town's size.
    const double runways = runwaysReachKm(neighbourhood.origin);
    return MapView::around(neighbourhood.origin.place,
                           runways > 0 ? std::max(1.0, 1.2 * runways) : 5, width, height);
}

MapDrawing neighbourhoodDrawing(const Neighbourhood& neighbourhood, const World& world,
                                const MapView& view, DistanceUnit unit, Labels labels) {
    MapDrawing drawing = landDrawing(world, view);
    drawing.labels = labels;
    drawing.title = neighbourhood.title;
    if (neighbourhood.rings) {
        drawRings(neighbourhood.origin.place, view, unit, drawing);
    }
    const auto mark = [&](const MarkedAirfield& airfield, bool main) {
        drawRunways(airfield, view, drawing);
        drawing.airfields.push_back(drawnAirfieldOf(airfield, view, main));
    };
    for (const MarkedNavaid& navaid : neighbourhood.navaids) {
        drawing.navaids.push_back({view.project(navaid.place), navaid.ident, navaid.ndb});
    }
    // The origin first, so that its label has the first choice of places.
    mark(neighbourhood.origin, true);
    for (const MarkedAirfield& neighbour : neighbourhood.neighbours) {
        mark(neighbour, false);
    }
    finishDrawing(drawing, view, unit);
    return drawing;
}

} // namespace icao
