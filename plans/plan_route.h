// SPDX-License-Identifier: MIT
#pragma once

#include "plans/plan_reader.h"

#include <functional>
#include <string>
#include <vector>

namespace icao {

// A waypoint takes the code of an airfield or the ident of a navaid that lies this near the
// place the file gives: files place an airfield by its own reference point, which may lie a
// runway's length from the data's.
inline constexpr double kPlanMatchKm = 5;

// Where the data places what a plan may name.
struct PlanLookup {
    // The airfield of an ICAO code, where one has coordinates.
    std::function<std::optional<Place>(const std::string& code)> airfield;
    // The navaids of an ident.
    std::function<std::vector<Place>(const std::string& ident)> navaids;
};

// The plan's route as the route field and icao dist read it: each waypoint the airfield or
// navaid it names where one lies within kPlanMatchKm of its place, else a point by its
// coordinates to the second; read as a flight plan. A text file's route as it stands.
std::string routeTextOf(const PlanFile& plan, const PlanLookup& lookup);

} // namespace icao
