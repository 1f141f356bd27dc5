// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace icao {

// A city's IATA metropolitan code, as airlines and travellers write it for every airport of the
// city ("PAR" for Paris), and the ICAO codes of those airports, the main one first.
struct MetropolitanCode {
    std::string_view code;
    std::span<const std::string_view> airports;
};

// The city of the metropolitan code as written, in capitals; none for any other word.
std::optional<MetropolitanCode> metropolitanCodeOf(std::string_view word);

} // namespace icao
