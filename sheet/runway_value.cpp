// SPDX-License-Identifier: MIT
#include "sheet/runway_value.h"

#include "records/magnetic_model.h"

namespace icao {

SheetValue runwayValue(const Runway& runway, std::optional<double> variation) {
    SheetValue::List ends;
    for (const RunwayEnd& end : runway.ends) {
        SheetValue::Members members{{"ident", end.ident},
                                    {"true_heading", SheetValue::orNull(end.trueHeading)}};
        if (variation) {
            members.emplace_back("magnetic_heading",
                                 end.trueHeading
                                     ? SheetValue(magneticHeading(*end.trueHeading, *variation))
                                     : SheetValue());
        }
        ends.emplace_back(std::move(members));
    }
    return SheetValue::Members{
        {"ends", std::move(ends)},
        {"length_ft", SheetValue::orNull(runway.lengthFt)},
        {"width_ft", SheetValue::orNull(runway.widthFt)},
        {"surface", runway.surface.empty() ? SheetValue() : SheetValue(runway.surface)},
        {"lighted", SheetValue::orNull(runway.lighted)}};
}

} // namespace icao
