// SPDX-License-Identifier: MIT
#include "search/place_qualifier.h"

#include "search/folding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace icao {
namespace {

struct RegionCode {
    std::string_view country;
    std::string_view code;
    std::string_view region;
};

// The postal codes of the states and provinces, as addresses write them after a town.
constexpr std::array<RegionCode, 72> kRegionCodes = {{
    {"US", "AL", "Alabama"},
    {"US", "AK", "Alaska"},
    {"US", "AZ", "Arizona"},
    {"US", "AR", "Arkansas"},
    {"US", "CA", "California"},
    {"US", "CO", "Colorado"},
    {"US", "CT", "Connecticut"},
    {"US", "DE", "Delaware"},
    {"US", "DC", "District of Columbia"},
    {"US", "FL", "Florida"},
    {"US", "GA", "Georgia"},
    {"US", "HI", "Hawaii"},
    {"US", "ID", "Idaho"},
    {"US", "IL", "Illinois"},
    {"US", "IN", "Indiana"},
    {"US", "IA", "Iowa"},
    {"US", "KS", "Kansas"},
    {"US", "KY", "Kentucky"},
    {"US", "LA", "Louisiana"},
    {"US", "ME", "Maine"},
    {"US", "MD", "Maryland"},
    {"US", "MA", "Massachusetts"},
    {"US", "MI", "Michigan"},
    {"US", "MN", "Minnesota"},
    {"US", "MS", "Mississippi"},
    {"US", "MO", "Missouri"},
    {"US", "MT", "Montana"},
    {"US", "NE", "Nebraska"},
    {"US", "NV", "Nevada"},
    {"US", "NH", "New Hampshire"},
    {"US", "NJ", "New Jersey"},
    {"US", "NM", "New Mexico"},
    {"US", "NY", "New York"},
    {"US", "NC", "North Carolina"},
    {"US", "ND", "North Dakota"},
    {"US", "OH", "Ohio"},
    {"US", "OK", "Oklahoma"},
    {"US", "OR", "Oregon"},
    {"US", "PA", "Pennsylvania"},
    {"US", "RI", "Rhode Island"},
    {"US", "SC", "South Carolina"},
    {"US", "SD", "South Dakota"},
    {"US", "TN", "Tennessee"},
    {"US", "TX", "Texas"},
    {"US", "UT", "Utah"},
    {"US", "VT", "Vermont"},
    {"US", "VA", "Virginia"},
    {"US", "WA", "Washington"},
    {"US", "WV", "West Virginia"},
    {"US", "WI", "Wisconsin"},
    {"US", "WY", "Wyoming"},
    {"CA", "AB", "Alberta"},
    {"CA", "BC", "British Columbia"},
    {"CA", "MB", "Manitoba"},
    {"CA", "NB", "New Brunswick"},
    {"CA", "NL", "Newfoundland and Labrador"},
    {"CA", "NS", "Nova Scotia"},
    {"CA", "NT", "Northwest Territories"},
    {"CA", "NU", "Nunavut"},
    {"CA", "ON", "Ontario"},
    {"CA", "PE", "Prince Edward Island"},
    {"CA", "QC", "Quebec"},
    {"CA", "SK", "Saskatchewan"},
    {"CA", "YT", "Yukon"},
    {"AU", "NSW", "New South Wales"},
    {"AU", "VIC", "Victoria"},
    {"AU", "QLD", "Queensland"},
    {"AU", "WA", "Western Australia"},
    {"AU", "SA", "South Australia"},
    {"AU", "TAS", "Tasmania"},
    {"AU", "ACT", "Australian Capital Territory"},
    {"AU", "NT", "Northern Territory"},
}};

} // namespace

bool qualifiesPlace(const AirportRecord& record, std::string_view words, TextFolder& folder) {
    const auto fold = [&folder](std::string_view text) { return folder.fold(decodeText(text)); };
    const std::string wanted = fold(words);
    if (wanted.empty()) {
        return false;
    }
    if (wanted == fold(record.country) || wanted == fold(record.region)) {
        return true;
    }
    const bool byCode =
        std::any_of(kRegionCodes.begin(), kRegionCodes.end(), [&](const RegionCode& region) {
            return region.country == record.country && wanted == fold(region.code) &&
                   fold(region.region) == fold(record.region);
        });
    if (byCode) {
        return true;
    }
    // The country's names, apart by " / ".
    for (std::size_t from = 0; from < record.countryNames.size();) {
        const std::size_t end =
            std::min(record.countryNames.find(" / ", from), record.countryNames.size());
        if (wanted == fold(std::string_view(record.countryNames).substr(from, end - from))) {
            return true;
        }
        from = end + 3;
    }
    return false;
}

} // namespace icao
