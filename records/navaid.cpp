// SPDX-License-Identifier: MIT
#include "records/navaid.h"

#include "lookup/text.h"
#include "records/airport_record.h"

#include <array>
#include <cmath>

namespace icao {
namespace {

enum Field {
    Ident,
    Name,
    Type,
    Frequency,
    Latitude,
    Longitude,
    Elevation,
    Variation,
    Airfield,
    Country,
    DmeChannel,
    kFields
};

// The highest and lowest ground on earth, with room: an elevation beyond is no elevation.
constexpr double kMostElevationFt = 30000;

} // namespace

std::optional<Navaid> navaidOf(std::string_view bytes, std::size_t line) {
    const std::string text = decodedUtf8(bytes);
    std::array<std::string_view, kFields> fields{};
    std::string_view rest = text;
    for (std::size_t field = 0; field < kFields && !rest.empty(); ++field) {
        const std::size_t bar = rest.find('|');
        fields[field] = rest.substr(0, bar);
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    const auto latitude = numberOf(fields[Latitude]);
    const auto longitude = numberOf(fields[Longitude]);
    const auto place = latitude && longitude ? placeOf(*latitude, *longitude) : std::nullopt;
    if (fields[Ident].empty() || !place) {
        return std::nullopt;
    }
    Navaid navaid{line,
                  std::string(fields[Ident]),
                  std::string(fields[Name]),
                  std::string(fields[Type]),
                  std::string(fields[Frequency]),
                  *place,
                  std::nullopt,
                  std::nullopt,
                  std::string(fields[Airfield]),
                  std::string(fields[Country]),
                  std::string(fields[DmeChannel])};
    if (const auto feet = numberOf(fields[Elevation]);
        feet && std::abs(*feet) <= kMostElevationFt) {
        navaid.elevationFt = static_cast<int>(std::lround(*feet));
    }
    if (const auto east = numberOf(fields[Variation]); east && std::abs(*east) <= 180) {
        navaid.variation = *east;
    }
    return navaid;
}

bool isNdb(const Navaid& navaid) {
    return navaid.type.starts_with("NDB");
}

std::string frequencyWords(const Navaid& navaid) {
    if (navaid.frequency.empty() || !numberOf(navaid.frequency)) {
        return {};
    }
    return navaid.frequency + (isNdb(navaid) ? " kHz" : " MHz");
}

} // namespace icao
