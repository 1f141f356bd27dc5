#pragma once

#include "lookup/text.h"

#include <cstddef>

namespace icao {

// An item read as an airport record, field by field: marker|code|name|municipality|country|
// IATA|. Missing fields are empty.
struct AirportRecord {
    std::size_t line = 0;
    Text code;
    Text name;
    Text municipality;
    Text country;
    Text iata;

    static AirportRecord fromItem(const Text& item, std::size_t line);
};

} // namespace icao
