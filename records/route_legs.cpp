// SPDX-License-Identifier: MIT
#include "records/route_legs.h"

#include <array>
#include <cstdio>
#include <utility>

namespace icao {
namespace {

// Enough decimals that the place read back is the place given, to a few centimetres.
std::string degreesText(double degrees) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.6f", degrees);
    return text.data();
}

} // namespace

std::string_view nameOf(StopKind kind) {
    switch (kind) {
    case StopKind::Navaid:
        return "navaid";
    case StopKind::Point:
        return "point";
    case StopKind::Airfield:
        break;
    }
    return "airfield";
}

AirportRecord recordOfNavaid(const Navaid& navaid) {
    AirportRecord record;
    record.line = navaid.line;
    record.code = navaid.ident;
    record.name = navaid.name + " " + navaid.type;
    record.country = navaid.country;
    record.latitude = degreesText(navaid.place.latitude);
    record.longitude = degreesText(navaid.place.longitude);
    if (navaid.elevationFt) {
        record.elevation = std::to_string(*navaid.elevationFt);
    }
    return record;
}

AirportRecord recordOfPoint(std::string written, const Place& place) {
    AirportRecord record;
    record.code = std::move(written);
    record.latitude = degreesText(place.latitude);
    record.longitude = degreesText(place.longitude);
    record.name = record.latitude + ", " + record.longitude;
    return record;
}

} // namespace icao
