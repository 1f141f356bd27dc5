// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>

namespace icao {

// The kinds of airfield a record's marker names, larger first: a find lists larger airfields
// first within a rank, so the order is the enumeration's.
enum class AirfieldKind : std::uint8_t {
    LargeAirport,
    MediumAirport,
    SmallAirport,
    SeaplaneBase,
    Heliport,
    Balloonport,
    Closed,
    // A marker of no kind: after every kind.
    Unknown,
};
inline constexpr std::size_t kAirfieldKinds = static_cast<std::size_t>(AirfieldKind::Unknown);

struct AirfieldKindName {
    char marker;
    std::string_view name;
};
inline constexpr std::array<AirfieldKindName, kAirfieldKinds> kAirfieldKindNames = {{
    {'L', "large airport"},
    {'M', "medium airport"},
    {'S', "small airport"},
    {'W', "seaplane base"},
    {'H', "heliport"},
    {'B', "balloonport"},
    {'C', "closed"},
}};

// The kind a marker character names; Unknown for any other.
constexpr AirfieldKind kindOfMarker(char32_t marker) {
    for (std::size_t k = 0; k < kAirfieldKinds; ++k) {
        if (static_cast<char32_t>(kAirfieldKindNames[k].marker) == marker) {
            return static_cast<AirfieldKind>(k);
        }
    }
    return AirfieldKind::Unknown;
}

// The kind a record's marker field names: one character that is a kind's marker.
template <class Character> AirfieldKind kindOfMarkerField(std::basic_string_view<Character> field) {
    return field.size() == 1 ? kindOfMarker(static_cast<std::make_unsigned_t<Character>>(field[0]))
                             : AirfieldKind::Unknown;
}

// The kind of a record from its raw bytes: a marker beyond ASCII takes more than a byte, so is
// one of no kind.
inline AirfieldKind kindOfItem(std::string_view bytes) {
    const bool oneByte = bytes.size() == 1 || (bytes.size() > 1 && bytes[1] == '|');
    return oneByte ? kindOfMarker(static_cast<unsigned char>(bytes[0])) : AirfieldKind::Unknown;
}

// "large airport", "heliport", ...; empty for Unknown.
constexpr std::string_view kindName(AirfieldKind kind) {
    return kind < AirfieldKind::Unknown ? kAirfieldKindNames[static_cast<std::size_t>(kind)].name
                                        : std::string_view();
}

} // namespace icao
