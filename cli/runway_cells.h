// SPDX-License-Identifier: MIT
#pragma once

#include "cli/table.h"
#include "records/airfield_details.h"

#include <optional>

// A runway in one cell: its ends, size, surface and lighting as text shows them
// ("09L/27R  12799 × 164 ft  asphalt  lighted"), the runway's value in JSON.
Cell runwayCell(const icao::Runway& runway, icao::LengthUnit unit);
