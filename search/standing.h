// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/airfield_kind.h"
#include "lookup/record_layout.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace icao {

// Where an airfield stands among the hits or the suggestions of one rank: larger kinds first,
// and of one kind the more prominent first, as the record's prominence field tells (a record
// without one counts as least prominent); file order decides between equals.
struct Standing {
    AirfieldKind kind = AirfieldKind::Unknown;
    std::uint32_t prominence = 0;

    // Whether this stands before other.
    bool operator<(const Standing& other) const {
        return kind != other.kind ? kind < other.kind : prominence > other.prominence;
    }
    bool operator==(const Standing&) const = default;
};

// The most a prominence field counts: more digits are read as this.
inline constexpr std::uint32_t kMaxProminence = 999'999;

inline Standing standingOfItem(std::string_view item) {
    std::uint32_t prominence = 0;
    for (const char digit : fieldAt(item, RecordField::Prominence)) {
        if (digit < '0' || digit > '9') {
            prominence = 0;
            break;
        }
        prominence =
            std::min(kMaxProminence, prominence * 10 + static_cast<std::uint32_t>(digit - '0'));
    }
    return {kindOfItem(item), prominence};
}

} // namespace icao
