// SPDX-License-Identifier: MIT
// Microsoft Flight Simulator's flight plan (.pln, FSX to MSFS 2020 and 2024): an AceXML
// SimBase.Document holding FlightPlan.FlightPlan, its departure and destination, then an
// ATCWaypoint a stop (Airport, VOR, NDB or User) with its WorldPosition in degrees, minutes and
// seconds and its altitude in feet.
#include "map/xml_text.h"
#include "plans/plan_writers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace icao::writers {

namespace {

// N51° 28' 14.69",W0° 27' 35.67",+000083.00
std::string worldPosition(const PlanStop& stop) {
    const auto part = [](double angle, char positive, char negative) {
        const double seconds = std::round(std::fabs(angle) * 360000) / 100;
        const int degrees = static_cast<int>(seconds / 3600);
        const int minutes = static_cast<int>(seconds / 60) % 60;
        char text[48];
        std::snprintf(text, sizeof text, "%c%d\u00b0 %d' %.2f\"", angle < 0 ? negative : positive,
                      degrees, minutes, seconds - degrees * 3600 - minutes * 60);
        return std::string(text);
    };
    char altitude[32];
    std::snprintf(altitude, sizeof altitude, "%+010.2f", stop.elevationFt.value_or(0));
    return part(stop.place.latitude, 'N', 'S') + "," +
           part(longitudeWithin180(stop.place.longitude), 'E', 'W') + "," + altitude;
}

std::string_view typeOf(const PlanStop& stop) {
    switch (stop.kind) {
    case StopKind::Airfield:
        return "Airport";
    case StopKind::Navaid:
        return stop.ndb ? "NDB" : "VOR";
    case StopKind::Point:
        break;
    }
    return "User";
}

std::string idOf(const PlanStop& stop) {
    return stop.kind == StopKind::Point ? coordinatesWord(stop.place) : stop.ident;
}

} // namespace

WrittenPlan plnOf(const Plan& plan) {
    if (plan.stops.empty()) {
        return {};
    }
    const PlanStop& from = plan.stops.front();
    const PlanStop& to = plan.stops.back();
    // A cruise 3,000 ft above the highest stop, in whole 500 ft: the file must name one, and
    // the route gives none.
    double highest = 0;
    for (const PlanStop& stop : plan.stops) {
        highest = std::max(highest, stop.elevationFt.value_or(0));
    }
    const int cruise = static_cast<int>(std::ceil((highest + 3000) / 500) * 500);
    std::string pln = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<SimBase.Document Type=\"AceXML\" version=\"1,0\">\n"
                      "    <Descr>AceXML Document</Descr>\n"
                      "    <FlightPlan.FlightPlan>\n"
                      "        <Title>" +
                      xmlText(idOf(from) + " to " + idOf(to)) +
                      "</Title>\n"
                      "        <FPType>VFR</FPType>\n"
                      "        <RouteType>Direct</RouteType>\n"
                      "        <CruisingAlt>" +
                      std::to_string(cruise) + "</CruisingAlt>\n        <DepartureID>" +
                      xmlText(idOf(from)) + "</DepartureID>\n        <DepartureLLA>" +
                      worldPosition(from) + "</DepartureLLA>\n        <DestinationID>" +
                      xmlText(idOf(to)) + "</DestinationID>\n        <DestinationLLA>" +
                      worldPosition(to) + "</DestinationLLA>\n        <Descr>" +
                      xmlText(plan.title) + "</Descr>\n        <DepartureName>" +
                      xmlText(from.name) + "</DepartureName>\n        <DestinationName>" +
                      xmlText(to.name) +
                      "</DestinationName>\n"
                      "        <AppVersion>\n"
                      "            <AppVersionMajor>11</AppVersionMajor>\n"
                      "            <AppVersionBuild>282174</AppVersionBuild>\n"
                      "        </AppVersion>\n";
    for (const PlanStop& stop : plan.stops) {
        pln += "        <ATCWaypoint id=\"" + xmlText(idOf(stop)) +
               "\">\n            <ATCWaypointType>" + std::string(typeOf(stop)) +
               "</ATCWaypointType>\n            <WorldPosition>" + worldPosition(stop) +
               "</WorldPosition>\n";
        if (stop.kind != StopKind::Point) {
            pln += "            <ICAO>\n                <ICAOIdent>" + xmlText(stop.ident) +
                   "</ICAOIdent>\n            </ICAO>\n";
        }
        pln += "        </ATCWaypoint>\n";
    }
    pln += "    </FlightPlan.FlightPlan>\n</SimBase.Document>\n";
    return {pln, {}};
}

} // namespace icao::writers
