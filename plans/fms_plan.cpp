// SPDX-License-Identifier: MIT
// Plans in X-Plane's FMS: after the header, a row a waypoint, "type ident via altitude latitude
// longitude" in version 1100, "type ident altitude latitude longitude" in version 3.
#include "plans/plan_parsers.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <sstream>

namespace icao::parsers {

std::optional<Place> placeFrom(std::string_view latitude, std::string_view longitude) {
    const auto number = [](std::string_view text) -> std::optional<double> {
        while (!text.empty() && (text.front() == ' ' || text.front() == '+')) {
            text.remove_prefix(1);
        }
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
            return std::nullopt;
        }
        return value;
    };
    const auto north = number(latitude);
    const auto east = number(longitude);
    if (!north || !east || std::fabs(*north) > 90 || std::fabs(*east) > 180) {
        return std::nullopt;
    }
    return Place{*north, *east};
}

Parsed parseFms(std::string_view bytes) {
    std::istringstream lines{std::string(bytes)};
    std::string line;
    bool rows = false;
    std::vector<PlanWaypoint> waypoints;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!rows) {
            rows = line.starts_with("NUMENR");
            continue;
        }
        std::istringstream split(line);
        std::vector<std::string> fields{std::istream_iterator<std::string>(split),
                                        std::istream_iterator<std::string>()};
        if (fields.empty()) {
            continue;
        }
        if (fields.size() != 5 && fields.size() != 6) {
            return {"",
                    {},
                    "row " + std::to_string(waypoints.size() + 1) +
                        " is not \"type ident via altitude latitude longitude\""};
        }
        const auto place = placeFrom(fields[fields.size() - 2], fields.back());
        if (!place) {
            return {
                "", {}, "waypoint " + std::to_string(waypoints.size() + 1) + " lies off the earth"};
        }
        const std::string& type = fields[0];
        const std::optional<StopKind> kind = type == "1" ? std::optional(StopKind::Airfield)
                                             : type == "2" || type == "3"
                                                 ? std::optional(StopKind::Navaid)
                                                 : std::optional(StopKind::Point);
        if (waypoints.size() >= kMostPlanWaypoints) {
            return {"",
                    {},
                    "holds more than " + std::to_string(kMostPlanWaypoints) +
                        " waypoints; a route holds at most " + std::to_string(kMostPlanWaypoints)};
        }
        waypoints.push_back({fields[1], {}, kind, *place});
    }
    return {"fms", std::move(waypoints), {}};
}

} // namespace icao::parsers
