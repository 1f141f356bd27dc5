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

std::string courseWords(double degrees) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d°", static_cast<int>(std::lround(degrees)) % 360);
    return text;
}

std::string distanceWords(double km, DistanceUnit unit, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f ", decimals, distanceIn(km, unit));
    return text + std::string(nameOf(unit).symbol);
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
            const double inKnots = *speed * knots;
            return inKnots >= kSlowestKnots && inKnots <= kFastestKnots ? std::optional(inKnots)
                                                                        : std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::chrono::sys_days> calendarDayOf(std::string_view text) {
    const auto digits = [&text](std::size_t from, std::size_t count) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return std::nullopt;
            }
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = digits(0, 4);
    const auto month = digits(5, 2);
    const auto day = digits(8, 2);
    if (!year || !month || !day || *year < 1900 || *year > 2200) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{
        std::chrono::year(*year) / static_cast<unsigned>(*month) / static_cast<unsigned>(*day)};
    return date.ok() ? std::optional(std::chrono::sys_days(date)) : std::nullopt;
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
