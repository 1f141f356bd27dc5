// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace icao {

// Where an airport record keeps what the lookups read: a one-character marker, "|", the
// four-character code, "|", the name, "|", then any further fields. Positions are 1-based.
inline constexpr char32_t kSeparator = U'|';
inline constexpr std::size_t kCodeStart = 3;
inline constexpr std::size_t kCodeLength = 4;
inline constexpr std::size_t kNameStart = 8;

} // namespace icao
