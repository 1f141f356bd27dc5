// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/airfield_kind.h"
#include "lookup/text.h"
#include "search/geo.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace icao {

// Decimal degrees or feet as a record holds them, from its bytes or its decoded text; none
// where the field is not a finite number.
std::optional<double> numberOf(std::string_view field);
std::optional<double> numberOf(std::u32string_view field);

// Where an item's record places its airfield, read from the bytes alone; none without valid
// coordinates. The same place as AirportRecord::place of the decoded item.
std::optional<Place> placeOfItem(std::string_view item);

// An item read as an airport record, field by field. Missing fields are empty.
struct AirportRecord {
    std::size_t line = 0;
    Text marker;
    Text code;
    Text name;
    Text municipality;
    Text country;
    Text iata;
    Text latitude;
    Text longitude;
    Text elevation;
    Text keywords;
    Text countryNames;
    Text townNames;
    Text timeZone;
    Text runways;
    Text frequencies;
    Text region;
    Text localCode;
    Text formerCodes;

    static AirportRecord fromItem(const Text& item, std::size_t line);

    // Where the airfield lies; none when the record holds no valid coordinates.
    std::optional<Place> place() const;

    AirfieldKind kind() const { return kindOfMarkerField(std::u32string_view(marker)); }
};

// A record as the data file holds it, its item's bytes and its line, read as a record only when
// it is shown: a long list of hits or neighbours costs its bytes, not its decoded fields.
struct RecordItem {
    std::string bytes;
    std::size_t line = 0;

    AirportRecord record() const { return AirportRecord::fromItem(decodeText(bytes), line); }
};

} // namespace icao
