// SPDX-License-Identifier: MIT
// GeoJSON (RFC 7946): a Point feature a stop, carrying the leg from it, and the route's great
// circles as one LineString, or a MultiLineString split at the antimeridian (section 3.1.9).
#include "plans/json_text.h"
#include "plans/plan_writers.h"
#include "records/units.h"

namespace icao::writers {

namespace {

std::string lineOf(const std::vector<Place>& part) {
    std::string line = "[";
    for (std::size_t i = 0; i < part.size(); ++i) {
        line += i == 0 ? "" : ", ";
        line += geoJsonPosition(part[i]);
    }
    return line + "]";
}

} // namespace

WrittenPlan geoJsonOf(const Plan& plan) {
    std::string json = "{\"type\": \"FeatureCollection\", \"features\": [\n";
    for (std::size_t i = 0; i < plan.stops.size(); ++i) {
        const PlanStop& stop = plan.stops[i];
        json += "{\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": " +
                geoJsonPosition(stop.place) +
                "}, \"properties\": {\"code\": " + jsonText(stop.ident) +
                ", \"name\": " + jsonText(stop.name) + ", \"kind\": \"" +
                std::string(nameOf(stop.kind)) + "\"";
        // The leg that begins here.
        if (i < plan.legs.size()) {
            const PlanLeg& leg = plan.legs[i];
            json += ", \"leg_distance_nm\": " + decimal(leg.distanceKm / kKmPerNauticalMile, 1) +
                    ", \"leg_distance_km\": " + decimal(leg.distanceKm, 1) +
                    ", \"initial_true_course\": " + decimal(leg.trueCourse, 1) +
                    ", \"initial_magnetic_course\": " + decimal(leg.magneticCourse, 1);
        }
        json += "}},\n";
    }
    const auto parts = routeLineParts(plan);
    std::string geometry;
    if (parts.size() == 1) {
        geometry = "{\"type\": \"LineString\", \"coordinates\": " + lineOf(parts.front()) + "}";
    } else {
        geometry = "{\"type\": \"MultiLineString\", \"coordinates\": [";
        for (std::size_t i = 0; i < parts.size(); ++i) {
            geometry += i == 0 ? "" : ", ";
            geometry += lineOf(parts[i]);
        }
        geometry += "]}";
    }
    json += "{\"type\": \"Feature\", \"geometry\": " + geometry +
            ", \"properties\": {\"name\": " + jsonText(plan.title) +
            ", \"distance_nm\": " + decimal(plan.totalKm / kKmPerNauticalMile, 1) +
            ", \"distance_km\": " + decimal(plan.totalKm, 1) + "}}\n]}\n";
    return {json, {}};
}

} // namespace icao::writers
