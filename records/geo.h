// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace icao {

// A point of the earth's surface in decimal degrees, north and east positive.
struct Place {
    double latitude;
    double longitude;
};

// The earth taken as a sphere of its mean radius (IUGG), in kilometres.
inline constexpr double kEarthRadiusKm = 6371.0088;
// Along a great circle, as a degree of latitude is everywhere: the radius times π/180 (written
// out, as moc cannot read <numbers>, which headers the tests' classes see would bring in).
inline constexpr double kKmPerDegree = kEarthRadiusKm * 0.017453292519943295;
inline constexpr double kKmPerNauticalMile = 1.852;

// The great-circle distance between two places, in kilometres.
double distanceKm(const Place& from, const Place& to);

// The initial true course from one place to another, in degrees from 0 up to 360; 0 where the
// two places coincide.
double initialCourse(const Place& from, const Place& to);

// A place from decimal degrees; none outside -90 to 90 and -180 to 180.
std::optional<Place> placeOf(double latitude, double longitude);
// A place written as LAT,LON in decimal degrees ("51.47,-0.46", spaces around either allowed);
// none for any other text.
std::optional<Place> placeOfCoordinates(std::string_view text);

} // namespace icao
