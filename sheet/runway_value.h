// SPDX-License-Identifier: MIT
#pragma once

#include "records/airfield_details.h"
#include "sheet/sheet_value.h"

#include <optional>

namespace icao {

// A runway as JSON carries it: its ends with their true headings, length and width in feet,
// surface and lighting, null where the record leaves them out.
// With the airfield's magnetic variation, each end's magnetic heading beside its true one.
SheetValue runwayValue(const Runway& runway, std::optional<double> variation = std::nullopt);

} // namespace icao
