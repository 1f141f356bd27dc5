// SPDX-License-Identifier: MIT
#include "plans/plan.h"

#include "records/airfield_details.h"
#include "records/magnetic_model.h"

#include <cmath>
#include <cstdio>

namespace icao {

namespace {

PlanStop stopOf(const AirportRecord& record, StopKind kind) {
    PlanStop stop{record.code,
                  kind == StopKind::Point ? std::string() : record.name,
                  kind,
                  record.place().value_or(Place{}),
                  record.elevationFt(),
                  record.country};
    stop.ndb = kind == StopKind::Navaid &&
               (record.name.ends_with(" NDB") || record.name.ends_with(" NDB-DME"));
    return stop;
}

// Degrees, minutes and seconds of an angle, rounded to the second or, without seconds, to the
// minute.
struct Sexagesimal {
    int degrees;
    int minutes;
    int seconds;
};
Sexagesimal sexagesimalOf(double angle, bool toTheSecond) {
    const long units = toTheSecond ? 3600 : 60;
    const long total = std::lround(std::fabs(angle) * static_cast<double>(units));
    return {static_cast<int>(total / units), static_cast<int>(total * 60 / units % 60),
            static_cast<int>(toTheSecond ? total % 60 : 0)};
}

} // namespace

Plan planOf(const Route& route, double decimalYear) {
    Plan plan;
    plan.totalKm = route.totalKm;
    for (const Leg& leg : route.legs) {
        plan.stops.push_back(stopOf(leg.from, leg.fromKind));
        const double variation = airfieldVariation(leg.from, decimalYear).value_or(0);
        plan.legs.push_back({leg.distanceKm, leg.course, magneticHeading(leg.course, variation)});
    }
    if (!route.legs.empty()) {
        plan.stops.push_back(stopOf(route.legs.back().to, route.legs.back().toKind));
    }
    for (const PlanStop& stop : plan.stops) {
        plan.title += plan.title.empty() ? "" : " – ";
        plan.title += stop.ident;
    }
    return plan;
}

std::string coordinatesWord(const Place& place, bool toTheSecond) {
    const Sexagesimal latitude = sexagesimalOf(place.latitude, toTheSecond);
    const Sexagesimal longitude = sexagesimalOf(place.longitude, toTheSecond);
    const char north = place.latitude < 0 ? 'S' : 'N';
    const char east = place.longitude < 0 ? 'W' : 'E';
    char word[32];
    if (toTheSecond) {
        std::snprintf(word, sizeof word, "%02d%02d%02d%c%03d%02d%02d%c", latitude.degrees,
                      latitude.minutes, latitude.seconds, north, longitude.degrees,
                      longitude.minutes, longitude.seconds, east);
    } else {
        std::snprintf(word, sizeof word, "%02d%02d%c%03d%02d%c", latitude.degrees, latitude.minutes,
                      north, longitude.degrees, longitude.minutes, east);
    }
    return word;
}

} // namespace icao
