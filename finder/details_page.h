// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/search_worker.h"
#include "finder/core/shown_units.h"

#include <QString>
#include <chrono>

// The scheme of the links to neighbouring airfields in the details: "icao:EGLC".
inline constexpr char kAirfieldLinkScheme[] = "icao";

// An airfield's details as rich text: what icao info tells, the local time at the instant,
// and its nearest airfields with distance and bearing, each a link to it; distances and lengths
// in the units.
QString detailsPage(const DescribedAirfield& neighbourhood, std::chrono::sys_seconds now,
                    ShownUnits units);
