// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/airfield_kind.h"
#include "lookup/text.h"
#include "records/geo.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace icao {

// Decimal degrees or feet as a record holds them; none where the field is not a finite number.
std::optional<double> numberOf(std::string_view field);

// Where an item's record places its airfield, read from the bytes alone; none without valid
// coordinates. The same place as AirportRecord::place of the decoded item.
std::optional<Place> placeOfItem(std::string_view item);

// An item read as an airport record, field by field, each field's text in UTF-8, decoded once.
// Missing fields are empty.
struct AirportRecord {
    std::size_t line = 0;
    std::string marker;
    std::string code;
    std::string name;
    std::string municipality;
    std::string country;
    std::string iata;
    std::string latitude;
    std::string longitude;
    std::string elevation;
    std::string keywords;
    std::string countryNames;
    std::string townNames;
    std::string timeZone;
    std::string runways;
    std::string frequencies;
    std::string region;
    std::string localCode;
    std::string formerCodes;
    std::string scheduled;

    // The record of an item's bytes, decoded as every command reads an item (decodeText).
    static AirportRecord fromItem(std::string_view bytes, std::size_t line);

    // Where the airfield lies; none when the record holds no valid coordinates.
    std::optional<Place> place() const;
    // The elevation in feet; none when the record holds no number in the range of airfields'.
    std::optional<double> elevationFt() const;

    AirfieldKind kind() const { return kindOfMarkerField(std::string_view(marker)); }
};

// A record as the data file holds it, its item's bytes and its line, read as a record only when
// it is shown: a long list of hits or neighbours costs its bytes, not its decoded fields.
struct RecordItem {
    std::string bytes;
    std::size_t line = 0;

    AirportRecord record() const { return AirportRecord::fromItem(bytes, line); }
};

} // namespace icao
