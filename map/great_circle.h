// SPDX-License-Identifier: MIT
#pragma once

#include "map/land.h"
#include "records/geo.h"

#include <optional>
#include <span>
#include <vector>

namespace icao {

// Points along the great circle from one place to the other, both included, none more than
// stepKm from the next: enough that the curve a map draws through them looks smooth. Between
// antipodes, where every great circle is the shortest, it runs over the pole nearer the first.
MapLine greatCirclePoints(const Place& from, const Place& to, double stepKm = 50);

// The place `km` from `from` along the initial true course `course` in degrees.
// From a pole, the course is the meridian's longitude from the place's own.
Place placeAlong(const Place& from, double course, double km);

// The line's longitudes made continuous, each within 180° of the one before, so that a line
// over the antimeridian runs on past ±180 instead of jumping across the map.
void unwrapLongitudes(MapLine& line);

// A part of the world in equirectangular degrees: longitudes may run past ±180 where the view
// is centred beyond the antimeridian (a route from Tokyo to Los Angeles).
struct DegreeBox {
    double west;
    double east;
    double south;
    double north;

    double centralMeridian() const { return (west + east) / 2; }
};

// The smallest box that holds the points of the lines, as unwrapped; none for no point.
std::optional<DegreeBox> boundsOf(std::span<const MapLine> lines);

// The box of unwrapped lines, widened on each side by `margin` of its size (and by a degree at
// least, so that a single place is shown around), within the latitudes of the earth.
DegreeBox fittedBox(const std::vector<MapLine>& lines, double margin = 0.1);

} // namespace icao
