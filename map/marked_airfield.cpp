// SPDX-License-Identifier: MIT
#include "map/marked_airfield.h"

namespace icao {

MarkedAirfield markedAirfieldOf(const AirportRecord& record) {
    return {record.code, record.place().value_or(Place{}), runwaysOf(record.runways),
            StopKind::Airfield, record.name};
}

std::string titleOf(const AirportRecord& record) {
    return record.code + "  " + record.name;
}

} // namespace icao
