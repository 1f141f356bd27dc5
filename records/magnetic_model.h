// SPDX-License-Identifier: MIT
#pragma once

#include "records/geo.h"

#include <chrono>

namespace icao {

// The World Magnetic Model 2025's magnetic variation (declination) at a place on the WGS 84
// ellipsoid, this many kilometres above it, at a time given as a decimal year (2026.5 is
// mid-2026): the angle from true north to magnetic north, in degrees, east positive. The
// model is made for 2025.0 to 2030.0; outside it the yearly change is carried on.
double magneticVariation(const Place& place, double decimalYear, double altitudeKm = 0);

// Whether the model is made for the decimal year: from 2025.0 until 2030.0.
bool withinMagneticModel(double decimalYear);

// An instant as a decimal year, as the model counts time: 2026-07-02T12:00Z is 2026.5.
double decimalYearOf(std::chrono::sys_seconds instant);

// A true heading or course made magnetic, in [0, 360).
double magneticHeading(double trueDegrees, double variationDegrees);

} // namespace icao
