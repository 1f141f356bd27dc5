// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"

#include <filesystem>
#include <string>

// The route a plan file holds, as dist reads a route typed: each waypoint the airfield of the
// data file or the navaid beside it that it names where that lies near its place, else a point.
icao::Expected<std::string> routeTextOfPlanFile(const std::filesystem::path& plan,
                                                const std::filesystem::path& dataFile);
