// SPDX-License-Identifier: MIT
#pragma once

#include "records/geo.h"

#include <chrono>
#include <optional>

namespace icao {

// When the sun crosses an altitude on one day, or why it does not.
struct SunCrossing {
    // The sun's upper edge rising past it, and setting past it.
    std::optional<std::chrono::sys_seconds> up;
    std::optional<std::chrono::sys_seconds> down;
    // Without crossings: the sun stays above it all day (polar day), or below (polar night).
    bool alwaysAbove = false;
    bool alwaysBelow = false;
};

struct SunTimes {
    // Sunrise and sunset: the upper edge at the horizon, refraction allowed for (-0.833°).
    SunCrossing sun;
    // Civil dawn and dusk: the sun's centre 6° below the horizon.
    SunCrossing civil;
};

// The sunrise, sunset and civil twilight of the solar day around local noon on this date at
// the place, by NOAA's solar equations (within a minute at latitudes below 72°).
SunTimes sunTimesOn(const Place& place, std::chrono::sys_days date);

} // namespace icao
