// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace icao {

// An item as a record source offers it: its kept bytes and line and, for the records held in
// memory, its airfield's latitude in hundredths of a degree, rounded, so that a search for the
// nearest rules most items out without reading them.
struct StoredItem {
    static constexpr std::int16_t kNoPlace = std::numeric_limits<std::int16_t>::min();
    // An item streamed from the file, whose latitude was not read ahead.
    static constexpr std::int16_t kNotRead = std::numeric_limits<std::int16_t>::max();

    std::string_view bytes;
    std::size_t line;
    std::int16_t latitude;
};

} // namespace icao
