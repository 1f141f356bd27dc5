// SPDX-License-Identifier: MIT
#include "cli/runway_cells.h"

#include "sheet/runway_value.h"

Cell runwayCell(const icao::Runway& runway, icao::LengthUnit unit) {
    const icao::RunwayWords words = icao::runwayWords(runway, unit);
    std::string shown;
    for (const std::string* part : {&words.ends, &words.size, &words.surface, &words.lighting}) {
        if (!part->empty()) {
            shown.append(shown.empty() ? "" : "  ").append(*part);
        }
    }
    return {shown, shown, icao::runwayValue(runway)};
}
