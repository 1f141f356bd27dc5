// SPDX-License-Identifier: MIT
#include "cli/runway_cells.h"

#include "records/magnetic_model.h"

CellValue runwayValue(const icao::Runway& runway, std::optional<double> variation) {
    CellValue::List ends;
    for (const icao::RunwayEnd& end : runway.ends) {
        CellValue::Members members{{"ident", end.ident},
                                   {"true_heading", CellValue::orNull(end.trueHeading)}};
        if (variation) {
            members.emplace_back(
                "magnetic_heading",
                end.trueHeading ? CellValue(icao::magneticHeading(*end.trueHeading, *variation))
                                : CellValue());
        }
        ends.emplace_back(std::move(members));
    }
    return CellValue::Members{
        {"ends", std::move(ends)},
        {"length_ft", CellValue::orNull(runway.lengthFt)},
        {"width_ft", CellValue::orNull(runway.widthFt)},
        {"surface", runway.surface.empty() ? CellValue() : CellValue(runway.surface)},
        {"lighted", CellValue::orNull(runway.lighted)}};
}

Cell runwayCell(const icao::Runway& runway, icao::LengthUnit unit) {
    const icao::RunwayWords words = icao::runwayWords(runway, unit);
    std::string shown;
    for (const std::string* part : {&words.ends, &words.size, &words.surface, &words.lighting}) {
        if (!part->empty()) {
            shown.append(shown.empty() ? "" : "  ").append(*part);
        }
    }
    return {shown, shown, runwayValue(runway)};
}
