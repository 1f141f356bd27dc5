// SPDX-License-Identifier: MIT
// Garmin FlightPlan v1 (www8.garmin.com/xmlschemas/FlightPlanv1.xsd), as Garmin units and many
// planners exchange routes: a table of waypoints, then the route through them. The schema's
// rules kept here: an identifier is [A-Z0-9]{1,12}, unique in the table; a type is AIRPORT,
// VOR, NDB or USER WAYPOINT; a country code two capitals or none; a comment and a route's name
// capitals, digits and spaces, at most 25; the plan's index 1.
#include "map/xml_text.h"
#include "plans/plan_writers.h"

#include <QString>
#include <algorithm>
#include <map>

namespace icao::writers {

namespace {

// Capitals, digits and spaces of the text, accents dropped from their letters, at most `most`.
std::string capitalsOf(const std::string& text, std::size_t most, bool spaces) {
    const QString plain = QString::fromUtf8(text).normalized(QString::NormalizationForm_KD);
    std::string out;
    for (const QChar character : plain) {
        const char16_t code = character.unicode();
        if (out.size() < most &&
            ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') ||
             (code >= 'a' && code <= 'z') || (spaces && code == ' ' && !out.empty()))) {
            out += static_cast<char>(code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code);
        }
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

std::string_view typeOf(const PlanStop& stop) {
    switch (stop.kind) {
    case StopKind::Airfield:
        return "AIRPORT";
    case StopKind::Navaid:
        return stop.ndb ? "NDB" : "VOR";
    case StopKind::Point:
        break;
    }
    return "USER WAYPOINT";
}

// An airfield's ICAO region, the first two letters of its code, as Garmin's database keys it.
std::string countryCodeOf(const PlanStop& stop, const std::string& identifier) {
    if (stop.kind == StopKind::Airfield && identifier.size() == 4 &&
        std::all_of(identifier.begin(), identifier.begin() + 2,
                    [](char c) { return c >= 'A' && c <= 'Z'; })) {
        return identifier.substr(0, 2);
    }
    return {};
}

} // namespace

WrittenPlan fplOf(const Plan& plan, std::chrono::sys_seconds now) {
    WrittenPlan written;
    // Each stop's identifier, unique to its place.
    std::map<std::string, Place> taken;
    std::vector<std::string> identifiers;
    bool commentsCut = false;
    std::string table;
    for (const PlanStop& stop : plan.stops) {
        std::string identifier = capitalsOf(
            stop.kind == StopKind::Point ? coordinatesWord(stop.place, false) : stop.ident, 12,
            false);
        if (identifier.empty()) {
            identifier = "WPT";
        }
        const std::string first = identifier;
        for (int n = 2;
             taken.contains(identifier) && (taken[identifier].latitude != stop.place.latitude ||
                                            taken[identifier].longitude != stop.place.longitude);
             ++n) {
            const std::string number = std::to_string(n);
            identifier = first.substr(0, 12 - number.size()) + number;
        }
        if (stop.kind != StopKind::Point && identifier != stop.ident) {
            written.changes.push_back("fpl: " + stop.ident + " written as " + identifier +
                                      ", as identifiers are 1 to 12 capitals and digits");
        }
        identifiers.push_back(identifier);
        if (taken.emplace(identifier, stop.place).second) {
            const std::string comment = capitalsOf(stop.name, 25, true);
            commentsCut = commentsCut || comment != stop.name;
            table += "    <waypoint>\n      <identifier>" + identifier +
                     "</identifier>\n      <type>" + std::string(typeOf(stop)) +
                     "</type>\n      <country-code>" + countryCodeOf(stop, identifier) +
                     "</country-code>\n      <lat>" + decimal(stop.place.latitude, 6) +
                     "</lat>\n      <lon>" + decimal(longitudeWithin180(stop.place.longitude), 6) +
                     "</lon>\n      <comment>" + comment + "</comment>\n    </waypoint>\n";
        }
    }
    if (commentsCut) {
        written.changes.push_back("fpl: names written in capitals, digits and spaces, at most 25, "
                                  "as comments are");
    }
    std::string routeName =
        identifiers.empty() ? "ROUTE" : identifiers.front() + " TO " + identifiers.back();
    routeName = capitalsOf(routeName, 25, true);
    using namespace std::chrono;
    const auto day = floor<days>(now);
    const year_month_day date(day);
    const hh_mm_ss time(now - day);
    char created[32];
    std::snprintf(created, sizeof created, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    written.text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                   "<flight-plan xmlns=\"http://www8.garmin.com/xmlschemas/FlightPlan/v1\">\n"
                   "  <created>" +
                   std::string(created) + "</created>\n  <waypoint-table>\n" + table +
                   "  </waypoint-table>\n  <route>\n    <route-name>" + routeName +
                   "</route-name>\n    <flight-plan-index>1</flight-plan-index>\n";
    for (std::size_t i = 0; i < plan.stops.size(); ++i) {
        written.text += "    <route-point>\n      <waypoint-identifier>" + identifiers[i] +
                        "</waypoint-identifier>\n      <waypoint-type>" +
                        std::string(typeOf(plan.stops[i])) +
                        "</waypoint-type>\n      <waypoint-country-code>" +
                        countryCodeOf(plan.stops[i], identifiers[i]) +
                        "</waypoint-country-code>\n    </route-point>\n";
    }
    written.text += "  </route>\n</flight-plan>\n";
    return written;
}

} // namespace icao::writers
