// SPDX-License-Identifier: MIT
#include "records/sun_times.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace icao {
namespace {

constexpr double kRadians = std::numbers::pi / 180;

double sinDegrees(double degrees) {
    return std::sin(degrees * kRadians);
}

double cosDegrees(double degrees) {
    return std::cos(degrees * kRadians);
}

// The sun's declination in degrees and the equation of time in minutes at this many Julian
// centuries since J2000.0, as NOAA's solar calculator reckons them.
struct SunPosition {
    double declination;
    double equationOfTime;
};

SunPosition sunAt(double centuries) {
    const double t = centuries;
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = sinDegrees(meanAnomaly) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          sinDegrees(2 * meanAnomaly) * (0.019993 - 0.000101 * t) +
                          sinDegrees(3 * meanAnomaly) * 0.000289;
    const double omega = 125.04 - 1934.136 * t;
    const double apparentLongitude = meanLongitude + centre - 0.00569 - 0.00478 * sinDegrees(omega);
    const double meanObliquity =
        23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = meanObliquity + 0.00256 * cosDegrees(omega);
    const double declination =
        std::asin(sinDegrees(obliquity) * sinDegrees(apparentLongitude)) / kRadians;
    const double y = std::pow(std::tan(obliquity * kRadians / 2), 2);
    const double l0 = meanLongitude * kRadians;
    const double m = meanAnomaly * kRadians;
    const double equation = y * std::sin(2 * l0) - 2 * eccentricity * std::sin(m) +
                            4 * eccentricity * y * std::sin(m) * std::cos(2 * l0) -
                            0.5 * y * y * std::sin(4 * l0) -
                            1.25 * eccentricity * eccentricity * std::sin(2 * m);
    return {declination, 4 * equation / kRadians};
}

// Julian centuries since J2000.0 at this many minutes into the date (UTC).
double centuriesAt(std::chrono::sys_days date, double minutes) {
    const double days = static_cast<double>(date.time_since_epoch().count()) + minutes / 1440;
    // 1970-01-01T00:00Z is Julian day 2440587.5; J2000.0 is 2451545.0.
    return (days + 2440587.5 - 2451545.0) / 36525;
}

// The sun's hour angle, in degrees, when its centre stands at this zenith angle; none when it
// never does at this declination.
std::optional<double> hourAngle(double latitude, double declination, double zenith) {
    const double cosine = (cosDegrees(zenith) - sinDegrees(latitude) * sinDegrees(declination)) /
                          (cosDegrees(latitude) * cosDegrees(declination));
    if (cosine < -1 || cosine > 1) {
        return std::nullopt;
    }
    return std::acos(cosine) / kRadians;
}

// Below this latitude the sun rises and sets once a day, near the times NOAA's equations give
// from solar noon; above it a day may be one of the midnight sun coming or going, when the
// sun crosses only near the day's ends, which a walk through the day finds.
constexpr double kWalkedLatitude = 60;
// The walk's step: shorter than the briefest dip below the horizon it must not miss.
constexpr double kStepMinutes = 5;

// The crossings from solar noon by NOAA's equations, refined from where the sun stands at each
// time found; none where the sun does not cross at noon's declination.
std::optional<SunCrossing> crossingFromNoon(const Place& place, std::chrono::sys_days date,
                                            double zenith, double noon) {
    SunCrossing crossing;
    const double latitude = std::clamp(place.latitude, -89.999, 89.999);
    for (const int side : {-1, 1}) {
        double minutes = noon;
        for (int round = 0; round < 3; ++round) {
            const SunPosition sun = sunAt(centuriesAt(date, minutes));
            const auto angle = hourAngle(latitude, sun.declination, zenith);
            if (!angle) {
                return std::nullopt;
            }
            minutes = noon + 4 * side * *angle - sun.equationOfTime;
        }
        const auto at = date + std::chrono::seconds(std::lround(minutes * 60));
        (side < 0 ? crossing.up : crossing.down) = std::chrono::sys_seconds(at);
    }
    return crossing;
}

// Whether the sun's centre stands nearer the zenith than this, so many minutes into the date.
bool aboveAt(const Place& place, std::chrono::sys_days date, double zenith, double minutes) {
    const SunPosition sun = sunAt(centuriesAt(date, minutes));
    const double hourAngle = (minutes + sun.equationOfTime + 4 * place.longitude) / 4 - 180;
    const double cosine =
        sinDegrees(place.latitude) * sinDegrees(sun.declination) +
        cosDegrees(place.latitude) * cosDegrees(sun.declination) * cosDegrees(hourAngle);
    return cosine > cosDegrees(zenith);
}

// The first rising and the first setting in the solar day round noon, walked step by step and
// each crossing found by halving; without any, whether the sun stays up or down.
SunCrossing crossingByWalking(const Place& place, std::chrono::sys_days date, double zenith,
                              double noon) {
    SunCrossing crossing;
    bool before = aboveAt(place, date, zenith, noon - 720);
    for (double from = noon - 720; from < noon + 720; from += kStepMinutes) {
        const double to = std::min(from + kStepMinutes, noon + 720);
        const bool after = aboveAt(place, date, zenith, to);
        if (after != before) {
            double low = from;
            double high = to;
            while (high - low > 1.0 / 120) {
                const double middle = (low + high) / 2;
                (aboveAt(place, date, zenith, middle) == before ? low : high) = middle;
            }
            auto& found = after ? crossing.up : crossing.down;
            crossing.again = crossing.again || found.has_value();
            if (!found) {
                found =
                    std::chrono::sys_seconds(date + std::chrono::seconds(std::lround(low * 60)));
            }
        }
        before = after;
    }
    if (!crossing.up && !crossing.down) {
        (before ? crossing.alwaysAbove : crossing.alwaysBelow) = true;
    }
    return crossing;
}

SunCrossing crossingOf(const Place& place, std::chrono::sys_days date, double zenith, double noon) {
    if (std::abs(place.latitude) < kWalkedLatitude) {
        if (auto crossing = crossingFromNoon(place, date, zenith, noon)) {
            return *crossing;
        }
    }
    return crossingByWalking(place, date, zenith, noon);
}

} // namespace

std::string crossingWords(std::chrono::sys_seconds at, std::optional<int> localOffsetSeconds,
                          bool again) {
    const auto clockTime = [](std::chrono::sys_seconds instant) {
        const auto day = std::chrono::floor<std::chrono::days>(instant);
        const std::chrono::hh_mm_ss time(instant - day);
        std::array<char, 8> text{};
        std::snprintf(text.data(), text.size(), "%02d:%02d", static_cast<int>(time.hours().count()),
                      static_cast<int>(time.minutes().count()));
        return std::string(text.data());
    };
    std::string words = clockTime(at) + " UTC";
    if (localOffsetSeconds) {
        words += ", " + clockTime(at + std::chrono::seconds(*localOffsetSeconds)) + " local";
    }
    return words + (again ? " (the first of two this day)" : "");
}

std::string_view whyNoCrossing(const SunCrossing& crossing, bool twilight) {
    if (crossing.alwaysAbove) {
        return twilight ? "none: never darker than civil twilight"
                        : "none: polar day, the sun stays up";
    }
    if (crossing.alwaysBelow) {
        return twilight ? "none: dark all day, not even twilight"
                        : "none: polar night, the sun stays down";
    }
    // A day the midnight sun comes or goes crosses once.
    if (crossing.up) {
        return twilight ? "none: light from dawn to the day's end"
                        : "none: the sun is up from sunrise to the day's end";
    }
    if (crossing.down) {
        return twilight ? "none: light from the day's start to dusk"
                        : "none: the sun is up from the day's start to sunset";
    }
    return "none";
}

SunTimes sunTimesOn(const Place& place, std::chrono::sys_days date, int utcOffsetSeconds) {
    // Solar noon in minutes from the date's start in UTC, moved by whole days onto the date
    // in the zone: at Kiritimati, UTC+14, the 21st's noon is the 20th's in UTC.
    double noon = 720 - 4 * place.longitude;
    const double localNoon = noon + utcOffsetSeconds / 60.0;
    noon -= 1440 * std::floor(localNoon / 1440);
    return {crossingOf(place, date, 90.833, noon), crossingOf(place, date, 96, noon)};
}

} // namespace icao
