// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace icao {

// The fields of an airport record, numbered as they stand: marker|code|name|municipality|
// country|IATA|latitude|longitude|elevation|keywords|.
enum class RecordField : std::size_t {
    Marker,
    Code,
    Name,
    Municipality,
    Country,
    Iata,
    Latitude,
    Longitude,
    Elevation,
    Keywords,
};
inline constexpr std::size_t kRecordFields = static_cast<std::size_t>(RecordField::Keywords) + 1;

// One field of an item's bytes, found by counting separators sixteen bytes a step, for a
// search that needs no other; empty when the item has too few fields.
std::string_view fieldAt(std::string_view bytes, RecordField field);

// The fields of an item's bytes, raw or folded, found up to and including `last`; a missing
// field is empty, and so is every one after `last`. "|" is one byte in UTF-8 and Windows-1252
// alike, so no decoding is needed.
class RecordFields {
  public:
    explicit RecordFields(std::string_view bytes, RecordField last = RecordField::Keywords);

    std::string_view operator[](RecordField field) const {
        const auto k = static_cast<std::size_t>(field);
        const std::size_t start = k == 0 ? 0 : std::min(ends_[k - 1] + 1, bytes_.size());
        return bytes_.substr(start, std::max(ends_[k], start) - start);
    }

  private:
    std::string_view bytes_;
    // Where the separator that closes each field stands; past the end for a missing one.
    std::array<std::size_t, kRecordFields> ends_;
};

} // namespace icao
