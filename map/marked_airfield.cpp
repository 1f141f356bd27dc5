// SPDX-License-Identifier: MIT
#include "map/marked_airfield.h"

namespace icao {

MarkedAirfield markedAirfieldOf(const AirportRecord& record) {
    return {record.code,
            record.code,
            record.place().value_or(Place{}),
            runwaysOf(record.runways),
            StopKind::Airfield,
            record.name};
}

DrawnAirfield drawnAirfieldOf(const MarkedAirfield& airfield, const MapView& view, bool main) {
    DrawnAirfield drawn{view.project(airfield.place), airfield.label, {}, main};
    drawn.mark = markOf(airfield.kind);
    drawn.name = airfield.name;
    drawn.code = airfield.code;
    drawn.place = airfield.place;
    return drawn;
}

std::string titleOf(const AirportRecord& record) {
    return record.code + "  " + record.name;
}

} // namespace icao
