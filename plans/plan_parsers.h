// SPDX-License-Identifier: MIT
#pragma once

#include "plans/plan_reader.h"

#include <string>
#include <string_view>
#include <vector>

// Each kind of plan file's parser, which readPlanBytes chooses among by the content.
namespace icao::parsers {

// The waypoints a parser found, or why it found none: "not GPX, KML, FPL or PLN".
struct Parsed {
    std::string_view format;
    std::vector<PlanWaypoint> waypoints;
    std::string error;
};

// GPX, KML, Garmin FPL or MSFS PLN, by the root element.
Parsed parseXmlPlan(std::string_view bytes);
Parsed parseGeoJson(std::string_view bytes);
// X-Plane's FMS, version 1100 or 3.
Parsed parseFms(std::string_view bytes);

// A place from two numbers as a file writes them; none off the earth.
std::optional<Place> placeFrom(std::string_view latitude, std::string_view longitude);

} // namespace icao::parsers
