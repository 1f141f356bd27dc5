// SPDX-License-Identifier: MIT
#include "plans/plan_formats.h"

#include "map/great_circle.h"
#include "plans/plan_writers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace icao {

const PlanFormatName& nameOf(PlanFormat format) {
    return *std::find_if(kPlanFormats.begin(), kPlanFormats.end(),
                         [format](const PlanFormatName& name) { return name.format == format; });
}

WrittenPlan writePlan(const Plan& plan, PlanFormat format, std::chrono::sys_seconds now) {
    switch (format) {
    case PlanFormat::Gpx:
        return writers::gpxOf(plan);
    case PlanFormat::Kml:
        return writers::kmlOf(plan);
    case PlanFormat::GeoJson:
        return writers::geoJsonOf(plan);
    case PlanFormat::Fpl:
        return writers::fplOf(plan, now);
    case PlanFormat::Fms:
        return writers::fmsOf(plan, now);
    case PlanFormat::Pln:
        return writers::plnOf(plan);
    case PlanFormat::IcaoRoute:
        return writers::icaoRouteOf(plan);
    case PlanFormat::Csv:
        return writers::csvOf(plan);
    }
    return {};
}

namespace writers {

std::string decimal(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    // No "-0.000000": a reader may take the sign for a hemisphere.
    std::string shown = text;
    if (shown.find_first_not_of("-0.") == std::string::npos && shown.front() == '-') {
        shown.erase(0, 1);
    }
    return shown;
}

std::string kmlCoordinates(const Place& place) {
    // Built in steps: GCC 12 warns wrongly of overlap in one chain of additions.
    // As the data gives it, within ±180; a line's part ends at +180 or -180 as it crosses.
    std::string coordinates = decimal(place.longitude, 6);
    coordinates += ',';
    coordinates += decimal(place.latitude, 6);
    return coordinates;
}

std::string geoJsonPosition(const Place& place) {
    // Built in steps: GCC 12 warns wrongly of overlap in one chain of additions.
    std::string position = "[";
    // As the data gives it, within ±180; a line's part ends at +180 or -180 as it crosses.
    position += decimal(place.longitude, 6);
    position += ", ";
    position += decimal(place.latitude, 6);
    position += "]";
    return position;
}

double longitudeWithin180(double longitude) {
    const double within = std::fmod(longitude + 180, 360);
    return (within < 0 ? within + 360 : within) - 180;
}

std::vector<std::vector<Place>> routeLineParts(const Plan& plan) {
    MapLine line;
    for (std::size_t leg = 0; leg + 1 < plan.stops.size(); ++leg) {
        const MapLine points = greatCirclePoints(plan.stops[leg].place, plan.stops[leg + 1].place);
        line.insert(line.end(), points.begin() + (line.empty() ? 0 : 1), points.end());
    }
    std::vector<std::vector<Place>> parts(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        Place place = line[i];
        place.longitude = longitudeWithin180(place.longitude);
        if (!parts.back().empty()) {
            const Place& last = parts.back().back();
            const double step = place.longitude - last.longitude;
            // Over the antimeridian: both parts end where the leg crosses it.
            if (std::fabs(step) > 180) {
                const double east = step < 0 ? 180 : -180;
                const double run = std::fabs(east - last.longitude);
                const double span = run + std::fabs(place.longitude + east);
                const double latitude =
                    last.latitude + (place.latitude - last.latitude) * (span > 0 ? run / span : 0);
                parts.back().push_back({latitude, east});
                parts.push_back({{latitude, -east}});
            }
        }
        parts.back().push_back(place);
    }
    return parts;
}

} // namespace writers

} // namespace icao
