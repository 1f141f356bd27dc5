// SPDX-License-Identifier: MIT
#include "records/geo.h"

#include "records/airport_record.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace icao {
namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

double distanceKm(const Place& from, const Place& to) {
    // The haversine form stays exact for places close together.
    const double halfLatitude = std::sin(radians(to.latitude - from.latitude) / 2);
    const double halfLongitude = std::sin(radians(to.longitude - from.longitude) / 2);
    const double a = halfLatitude * halfLatitude + std::cos(radians(from.latitude)) *
                                                       std::cos(radians(to.latitude)) *
                                                       halfLongitude * halfLongitude;
    return 2 * kEarthRadiusKm * std::atan2(std::sqrt(a), std::sqrt(std::max(0.0, 1 - a)));
}

double initialCourse(const Place& from, const Place& to) {
    const double fromLatitude = radians(from.latitude);
    const double toLatitude = radians(to.latitude);
    const double longitude = radians(to.longitude - from.longitude);
    const double course =
        std::atan2(std::sin(longitude) * std::cos(toLatitude),
                   std::cos(fromLatitude) * std::sin(toLatitude) -
                       std::sin(fromLatitude) * std::cos(toLatitude) * std::cos(longitude));
    const double degrees = std::fmod(course * 180.0 / std::numbers::pi + 360.0, 360.0);
    return degrees;
}

std::optional<Place> placeOf(double latitude, double longitude) {
    if (!(latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180)) {
        return std::nullopt;
    }
    return Place{latitude, longitude};
}

std::optional<Place> placeOfCoordinates(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    const auto trimmed = [](std::string_view part) {
        const std::size_t first = part.find_first_not_of(' ');
        return first == std::string_view::npos
                   ? std::string_view()
                   : part.substr(first, part.find_last_not_of(' ') - first + 1);
    };
    const auto latitude = numberOf(trimmed(text.substr(0, comma)));
    const auto longitude = numberOf(trimmed(text.substr(comma + 1)));
    return latitude && longitude ? placeOf(*latitude, *longitude) : std::nullopt;
}

} // namespace icao
