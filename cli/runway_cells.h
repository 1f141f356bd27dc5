// SPDX-License-Identifier: MIT
#pragma once

#include "cli/table.h"
#include "records/airfield_details.h"

#include <optional>

// A runway as JSON carries it: its ends with their true headings, length and width in feet,
// surface and lighting, null where the record leaves them out.
// With the airfield's magnetic variation, each end's magnetic heading beside its true one.
CellValue runwayValue(const icao::Runway& runway, std::optional<double> variation = std::nullopt);

// A runway in one cell: its ends, size, surface and lighting as text shows them
// ("09L/27R  12799 × 164 ft  asphalt  lighted"), the runway's value in JSON.
Cell runwayCell(const icao::Runway& runway, icao::LengthUnit unit);
