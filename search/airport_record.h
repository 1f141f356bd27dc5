// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/text.h"
#include "search/geo.h"
#include "search/record_fields.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace icao {

// The kinds of airfield, largest first, as their markers name them.
inline constexpr std::string_view kKindMarkers = "LMSWHBC";

// The place of the marker's kind in kKindMarkers; past its end for a marker of no kind.
inline std::size_t sizeRank(char32_t marker) {
    const std::size_t rank =
        marker < 0x80 ? kKindMarkers.find(static_cast<char>(marker)) : std::string_view::npos;
    return rank == std::string_view::npos ? kKindMarkers.size() : rank;
}

// The size of the airfield an item's raw bytes hold, as sizeRank tells it from the marker.
inline std::size_t sizeRankOfItem(std::string_view item) {
    const bool oneCharacter = item.size() == 1 || (item.size() > 1 && item[1] == '|');
    return oneCharacter ? sizeRank(static_cast<unsigned char>(item[0])) : kKindMarkers.size();
}

// The kind of airfield of this size, its place in kKindMarkers ("large airport", "heliport",
// ...); empty past the end.
std::string_view kindName(std::size_t size);

// Decimal degrees or feet as a record holds them, from its bytes or its decoded text; none
// where the field is not a finite number.
std::optional<double> numberOf(std::string_view field);
std::optional<double> numberOf(std::u32string_view field);

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

    static AirportRecord fromItem(const Text& item, std::size_t line);

    // Where the airfield lies; none when the record holds no valid coordinates.
    std::optional<Place> place() const;

    std::size_t size() const {
        return marker.size() == 1 ? sizeRank(marker[0]) : kKindMarkers.size();
    }
};

} // namespace icao
