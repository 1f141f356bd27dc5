// SPDX-License-Identifier: MIT
// X-Plane 11's flight plan (.fms, version 1100): a header with the AIRAC cycle, the departure
// and destination where the ends are airfields, then NUMENR rows, one a waypoint: its type
// (1 airport, 2 NDB, 3 VOR, 28 a point by its coordinates), ident, how it is reached, altitude,
// latitude and longitude.
#include "plans/plan_writers.h"

#include <cstdio>

namespace icao::writers {

namespace {

// The AIRAC cycle in force on the day: "2513", the year's two digits and the cycle's number in
// that year; cycles run 28 days from 2 January 2020, cycle 2001.
std::string airacCycleOn(std::chrono::sys_days day) {
    using namespace std::chrono;
    const sys_days first = sys_days(2020y / January / 2);
    const long cycles = (day - first).count() / 28 - ((day - first).count() % 28 < 0 ? 1 : 0);
    const sys_days effective = first + days(28 * cycles);
    const year_month_day date(effective);
    const sys_days yearStart = sys_days(date.year() / January / 1);
    const long number = (effective - yearStart).count() / 28 + 1;
    char cycle[32];
    std::snprintf(cycle, sizeof cycle, "%02d%02ld", static_cast<int>(date.year()) % 100, number);
    return cycle;
}

int typeOf(const PlanStop& stop) {
    switch (stop.kind) {
    case StopKind::Airfield:
        return 1;
    case StopKind::Navaid:
        return stop.ndb ? 2 : 3;
    case StopKind::Point:
        break;
    }
    return 28;
}

// An ident as the file's one word: spaces would split the row.
std::string identOf(const PlanStop& stop) {
    if (stop.kind == StopKind::Point) {
        return coordinatesWord(stop.place);
    }
    std::string ident;
    for (const char c : stop.ident) {
        ident += static_cast<unsigned char>(c) > ' ' ? c : '_';
    }
    return ident.empty() ? std::string("_") : ident;
}

} // namespace

WrittenPlan fmsOf(const Plan& plan, std::chrono::sys_seconds now) {
    const bool fromAirfield = !plan.stops.empty() && plan.stops.front().kind == StopKind::Airfield;
    const bool toAirfield = !plan.stops.empty() && plan.stops.back().kind == StopKind::Airfield;
    std::string fms =
        "I\n1100 Version\nCYCLE " + airacCycleOn(std::chrono::floor<std::chrono::days>(now)) + "\n";
    if (fromAirfield) {
        fms += "ADEP " + identOf(plan.stops.front()) + "\n";
    }
    if (toAirfield) {
        fms += "ADES " + identOf(plan.stops.back()) + "\n";
    }
    fms += "NUMENR " + std::to_string(plan.stops.size()) + "\n";
    for (std::size_t i = 0; i < plan.stops.size(); ++i) {
        const PlanStop& stop = plan.stops[i];
        const std::string via = i == 0 && fromAirfield                     ? "ADEP"
                                : i + 1 == plan.stops.size() && toAirfield ? "ADES"
                                                                           : "DRCT";
        fms += std::to_string(typeOf(stop)) + " " + identOf(stop) + " " + via + " 0.000000 " +
               decimal(stop.place.latitude, 6) + " " +
               decimal(longitudeWithin180(stop.place.longitude), 6) + "\n";
    }
    return {fms, {}};
}

} // namespace icao::writers
