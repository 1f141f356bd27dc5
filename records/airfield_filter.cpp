// SPDX-License-Identifier: MIT
#include "records/airfield_filter.h"

#include "platform/ascii.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace icao {
namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool meets(const AirfieldFilter& filter, const Runway& runway) {
    return (!filter.minRunwayFt || (runway.lengthFt && *runway.lengthFt >= *filter.minRunwayFt)) &&
           (!filter.surface || surfaceOf(runway.surface) == filter.surface) &&
           (!filter.lighted || runway.lighted.value_or(false));
}

} // namespace

std::optional<Surface> surfaceOf(const std::string& word) {
    // The surfaces OurAirports' runways give, as the data file writes them.
    constexpr std::array<std::pair<std::string_view, Surface>, 14> kSurfaces = {{
        {"asphalt", Surface::Paved},
        {"concrete", Surface::Paved},
        {"bitumen", Surface::Paved},
        {"metal", Surface::Paved},
        {"paved", Surface::Paved},
        {"grass", Surface::Unpaved},
        {"gravel", Surface::Unpaved},
        {"dirt", Surface::Unpaved},
        {"sand", Surface::Unpaved},
        {"turf", Surface::Unpaved},
        {"clay", Surface::Unpaved},
        {"snow", Surface::Unpaved},
        {"unpaved", Surface::Unpaved},
        {"water", Surface::Water},
    }};
    const auto found = std::find_if(kSurfaces.begin(), kSurfaces.end(), [&word](const auto& entry) {
        return sameLetters(entry.first, word);
    });
    return found == kSurfaces.end() ? std::nullopt : std::optional(found->second);
}

bool admits(const AirfieldFilter& filter, const AirportRecord& record) {
    return filter.wantsKind(record.kind()) &&
           (filter.country.empty() || sameLetters(filter.country, record.country)) &&
           (filter.region.empty() || sameLetters(filter.region, record.region)) &&
           (!filter.scheduled || !record.iata.empty()) &&
           (!filter.asksRunway() || qualifyingRunway(filter, record));
}

std::optional<Runway> qualifyingRunway(const AirfieldFilter& filter, const AirportRecord& record) {
    if (!filter.asksRunway()) {
        return std::nullopt;
    }
    for (Runway& runway : runwaysOf(record.runways)) {
        if (meets(filter, runway)) {
            return std::move(runway);
        }
    }
    return std::nullopt;
}

} // namespace icao
