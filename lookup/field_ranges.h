// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/record_layout.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace icao {

// The numbers of a record that are used only within their range: a coordinate outside it
// leaves the airfield without a place, an elevation outside it unknown. The lowest airfield
// lies some 1,300 ft below the sea, the highest some 14,500 ft above it.
struct FieldRange {
    RecordField field;
    std::string_view name;
    double lowest;
    double highest;
    // What follows from a value out of range, as icao check says it.
    std::string_view otherwise;
};

inline constexpr auto kFieldRanges = std::to_array<FieldRange>({
    {RecordField::Latitude, "latitude", -90, 90, "the airfield has no place"},
    {RecordField::Longitude, "longitude", -180, 180, "the airfield has no place"},
    {RecordField::Elevation, "elevation", -2000, 30000, "its elevation is shown as unknown"},
});

constexpr const FieldRange& rangeOf(RecordField field) {
    for (const FieldRange& range : kFieldRanges) {
        if (range.field == field) {
            return range;
        }
    }
    return kFieldRanges.front();
}

// The field's number where the whole field is one within its range; none otherwise.
inline std::optional<double> numberInRange(std::string_view text, const FieldRange& range) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !(value >= range.lowest && value <= range.highest)) {
        return std::nullopt;
    }
    return value;
}

} // namespace icao
