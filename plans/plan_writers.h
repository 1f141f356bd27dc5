// SPDX-License-Identifier: MIT
#pragma once

#include "plans/plan_formats.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

// Each format's writer, which writePlan chooses among.
namespace icao::writers {

WrittenPlan gpxOf(const Plan& plan);
WrittenPlan kmlOf(const Plan& plan);
WrittenPlan geoJsonOf(const Plan& plan);
WrittenPlan fplOf(const Plan& plan, std::chrono::sys_seconds now);
WrittenPlan fmsOf(const Plan& plan, std::chrono::sys_seconds now);
WrittenPlan plnOf(const Plan& plan);
WrittenPlan icaoRouteOf(const Plan& plan);
WrittenPlan csvOf(const Plan& plan);

// A number with so many decimals: "51.470748".
std::string decimal(double value, int decimals);
// A place as KML writes it, "lon,lat", and as GeoJSON does, "[lon, lat]": the longitude as the
// data gives it, or as a line's part ends at +180 or -180.
std::string kmlCoordinates(const Place& place);
std::string geoJsonPosition(const Place& place);
// A longitude within -180 (included) and 180 (excluded), as GPX and GeoJSON want it.
double longitudeWithin180(double longitude);
// The route's great circles, densified as the maps draw them, in parts that end at the
// antimeridian where a leg crosses it, as KML and GeoJSON want them.
std::vector<std::vector<Place>> routeLineParts(const Plan& plan);

} // namespace icao::writers
