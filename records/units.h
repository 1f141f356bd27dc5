// SPDX-License-Identifier: MIT
#pragma once

#include "records/geo.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace icao {

inline constexpr double kKmPerStatuteMile = 1.609344;

// The unit a distance is shown in; the engine reckons in kilometres.
enum class DistanceUnit { NauticalMile, Kilometre, StatuteMile };

struct DistanceUnitName {
    DistanceUnit unit;
    // As typed and in a column's name ("nm"), and after a number ("NM").
    std::string_view key;
    std::string_view symbol;
    double km;
};
inline constexpr DistanceUnitName kDistanceUnits[] = {
    {DistanceUnit::NauticalMile, "nm", "NM", kKmPerNauticalMile},
    {DistanceUnit::Kilometre, "km", "km", 1.0},
    {DistanceUnit::StatuteMile, "mi", "mi", kKmPerStatuteMile},
};
constexpr const DistanceUnitName& nameOf(DistanceUnit unit) {
    return kDistanceUnits[static_cast<int>(unit)];
}
// The unit a key names ("nm", "km", "mi"); none for another.
std::optional<DistanceUnit> distanceUnitOf(std::string_view key);
inline double distanceIn(double km, DistanceUnit unit) {
    return km / nameOf(unit).km;
}

// The unit a length or an elevation is shown in; the data holds feet.
// A course or bearing in whole degrees, three digits, as every view tells it: "018°".
std::string courseWords(double degrees);
// A distance in the unit, with this many decimals, and its symbol: "188 NM".
std::string distanceWords(double km, DistanceUnit unit, int decimals);

enum class LengthUnit { Foot, Metre };
// Feet in the unit, whole: 12799 ft is 3901 m.
int lengthIn(double feet, LengthUnit unit);
// " ft" or " m", after a number.
const char* lengthSuffix(LengthUnit unit);

// The ground speeds a speed may give: a balloon's to a rocket plane's, so that every time en
// route is a time a clock can show.
inline constexpr double kSlowestKnots = 1;
inline constexpr double kFastestKnots = 5000;
// A ground speed as a number and its unit ("450kt", "800 km/h", "500mph"), in knots; none for
// anything else or a speed outside kSlowestKnots to kFastestKnots.
std::optional<double> knotsOf(std::string_view text);
// A day of the calendar written as ISO 8601 does, YYYY-MM-DD, digits only, from 1900 to 2200;
// none for anything else.
std::optional<std::chrono::sys_days> calendarDayOf(std::string_view text);
// A length as a number and its unit ("2000m", "6500 ft"), in whole feet, rounded up so that
// "at least" keeps its meaning; none for anything else or a length not above zero.
std::optional<int> feetOf(std::string_view text);

// The hours and minutes to fly a distance at a ground speed, as "1:05", and in minutes.
struct FlyingTime {
    double minutes;
    std::string shown;
};
FlyingTime flyingTime(double km, double knots);

} // namespace icao
