// SPDX-License-Identifier: MIT
#include "records/units.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

namespace icao {
namespace {

constexpr double kMetresPerFoot = 0.3048;

// The number of a measure written with this unit after it, spaces between allowed; none for
// another unit, or a number not above zero or past a million.
std::optional<double> measureOf(std::string_view text, std::string_view unit) {
    if (text.size() <= unit.size() || !text.ends_with(unit)) {
        return std::nullopt;
    }
    std::string_view number = text.substr(0, text.size() - unit.size());
    while (!number.empty() && number.back() == ' ') {
        number.remove_suffix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        !(value > 0) || value >= 1e6) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<DistanceUnit> distanceUnitOf(std::string_view key) {
    for (const DistanceUnitName& name : kDistanceUnits) {
        if (name.key == key) {
            return name.unit;
        }
    }
    return std::nullopt;
}

int lengthIn(double feet, LengthUnit unit) {
    return static_cast<int>(std::lround(unit == LengthUnit::Metre ? feet * kMetresPerFoot : feet));
}

const char* lengthSuffix(LengthUnit unit) {
    return unit == LengthUnit::Metre ? " m" : " ft";
}

std::optional<double> knotsOf(std::string_view text) {
    constexpr std::array<std::pair<std::string_view, double>, 4> kUnits = {{
        {"kt", 1.0},
        {"km/h", 1 / kKmPerNauticalMile},
        {"kmh", 1 / kKmPerNauticalMile},
        {"mph", kKmPerStatuteMile / kKmPerNauticalMile},
    }};
    for (const auto& [unit, knots] : kUnits) {
        if (const auto speed = measureOf(text, unit)) {
            return *speed * knots;
        }
    }
    return std::nullopt;
}

std::optional<int> feetOf(std::string_view text) {
    constexpr std::array<std::pair<std::string_view, double>, 2> kUnits = {{
        {"ft", 1.0},
        {"m", 1 / kMetresPerFoot},
    }};
    for (const auto& [unit, feet] : kUnits) {
        if (const auto length = measureOf(text, unit)) {
            // The data holds whole feet: 2500 m is the 8202 ft a runway of 2500 m is stored as.
            return static_cast<int>(unit == "m" ? std::round(*length * feet)
                                                : std::ceil(*length * feet - 1e-9));
        }
    }
    return std::nullopt;
}

FlyingTime flyingTime(double km, double knots) {
    const double minutes = km / (knots * kKmPerNauticalMile) * 60;
    const long whole = std::lround(minutes);
    char shown[32];
    std::snprintf(shown, sizeof shown, "%ld:%02ld", whole / 60, whole % 60);
    return {minutes, shown};
}

} // namespace icao
