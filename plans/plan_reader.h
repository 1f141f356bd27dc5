// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/geo.h"
#include "records/route_legs.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace icao {

// A waypoint as a plan file gives it.
struct PlanWaypoint {
    // As the file names it; may be empty.
    std::string ident;
    std::string name;
    // What the file says it is, where it says.
    std::optional<StopKind> kind;
    Place place;
};

// A plan file read: its format, and its waypoints, or for a text file the route as typed.
struct PlanFile {
    std::string_view format;
    std::vector<PlanWaypoint> waypoints;
    std::string routeText;
};

// No plan is larger: a file beyond it is refused before it is read.
inline constexpr std::uintmax_t kLargestPlanFile = 8 * 1024 * 1024;
// Nor holds more waypoints than a route has words.
inline constexpr std::size_t kMostPlanWaypoints = 1000;

// Reads a route from GPX (its route, else its waypoints, else its track), KML (its placemarks'
// points, else its first line), GeoJSON (its points, else its first line), Garmin FPL, X-Plane
// FMS, MSFS PLN, or a text holding a route; the format told by the content, not the name. An
// error names the file and what is wrong: not a plan, a coordinate off the earth, too large.
Expected<PlanFile> readPlanFile(const std::filesystem::path& file);
// The same, of the file's bytes.
Expected<PlanFile> readPlanBytes(std::string_view bytes, const std::filesystem::path& file);

} // namespace icao
