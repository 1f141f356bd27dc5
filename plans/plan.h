// SPDX-License-Identifier: MIT
#pragma once

#include "records/geo.h"
#include "records/route_legs.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace icao {

// A stop of a route as plan files hold it.
struct PlanStop {
    // An airfield's ICAO code, a navaid's ident, a point's coordinates as a flight plan
    // writes them (503015N0010030W).
    std::string ident;
    // The airfield's name, the navaid's name and type; empty for a point.
    std::string name;
    StopKind kind = StopKind::Point;
    Place place;
    std::optional<double> elevationFt;
    // The country's two letters, where known.
    std::string country;
    // A navaid that is an NDB, which files tell apart from the VHF aids.
    bool ndb = false;
};

// The leg from a stop to the next.
struct PlanLeg {
    double distanceKm;
    double trueCourse;
    double magneticCourse;
};

struct Plan {
    std::vector<PlanStop> stops;
    // One fewer than the stops.
    std::vector<PlanLeg> legs;
    double totalKm = 0;
    // "EGLL – LFPG".
    std::string title;
};

// The route as a plan, the magnetic courses by the variation where each leg begins in the
// decimal year.
Plan planOf(const Route& route, double decimalYear);

// A point's coordinates as a flight plan writes them: to the second (503015N0010030W), or to
// the minute (5030N00100W), as an ICAO route and a Garmin identifier hold them.
std::string coordinatesWord(const Place& place, bool toTheSecond = true);

} // namespace icao
