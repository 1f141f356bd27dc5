// SPDX-License-Identifier: MIT
#pragma once

#include "records/geo.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace icao {

// When the sun crosses an altitude on one day, or why it does not.
struct SunCrossing {
    // The sun's upper edge rising past it, and setting past it.
    std::optional<std::chrono::sys_seconds> up;
    std::optional<std::chrono::sys_seconds> down;
    // Without crossings: the sun stays above it all day (polar day), or below (polar night).
    bool alwaysAbove = false;
    bool alwaysBelow = false;
    // Whether it rises or sets a second time that day, as the midnight sun comes or goes.
    bool again = false;
};

struct SunTimes {
    // Sunrise and sunset: the upper edge at the horizon, refraction allowed for (-0.833°).
    SunCrossing sun;
    // Civil dawn and dusk: the sun's centre 6° below the horizon.
    SunCrossing civil;
};

// The sunrise, sunset and civil twilight of the solar day around local noon on this date in
// the place's zone, this far ahead of UTC, by NOAA's solar equations (within a minute); the
// first rising and the first setting of that day where the sun may cross only near its ends,
// at high latitude.
SunTimes sunTimesOn(const Place& place, std::chrono::sys_days date, int utcOffsetSeconds = 0);
// The date at the instant in a zone this far ahead of UTC: the day whose sun an airfield's
// details tell by default.
inline std::chrono::sys_days dayInZone(std::chrono::sys_seconds instant, int utcOffsetSeconds) {
    return std::chrono::floor<std::chrono::days>(instant + std::chrono::seconds(utcOffsetSeconds));
}

// Why a day has no rising or no setting past the crossing's altitude, as the answers say it:
// "none: polar day, the sun stays up"; the twilight's own words where twilight, civil twilight
// at dawn or dusk, is meant.
std::string_view whyNoCrossing(const SunCrossing& crossing, bool twilight);

// A crossing's time as the answers say it: "05:01 UTC", then ", 06:01 local" at a zone's
// offset where it is known, and where the sun crosses twice that day, that this is the first.
std::string crossingWords(std::chrono::sys_seconds at, std::optional<int> localOffsetSeconds,
                          bool again);

} // namespace icao
