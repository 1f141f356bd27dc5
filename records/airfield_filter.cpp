// SPDX-License-Identifier: MIT
#include "records/airfield_filter.h"

#include "lookup/record_layout.h"
#include "platform/ascii.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace icao {
namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool meets(const AirfieldFilter& filter, const Runway& runway) {
    return (!filter.minRunwayFt || (runway.lengthFt && *runway.lengthFt >= *filter.minRunwayFt)) &&
           (!filter.surface || surfaceOf(runway.surface) == filter.surface ||
            (filter.keepsUnknown && !surfaceOf(runway.surface))) &&
           (!filter.lighted || runway.lighted.value_or(filter.keepsUnknown));
}

} // namespace

std::optional<Surface> surfaceOf(const std::string& word) {
    // The plain words the data scripts write for a surface (tools/runway_surfaces.py).
    // Its size is counted from the entries: a size stated apart once left an empty entry.
    constexpr auto kSurfaces = std::to_array<std::pair<std::string_view, Surface>>({
        {"asphalt", Surface::Paved},    {"concrete", Surface::Paved},  {"bitumen", Surface::Paved},
        {"macadam", Surface::Paved},    {"metal", Surface::Paved},     {"paved", Surface::Paved},
        {"brick", Surface::Paved},      {"wood", Surface::Paved},      {"deck", Surface::Paved},
        {"rooftop", Surface::Paved},    {"grass", Surface::Unpaved},   {"coral", Surface::Unpaved},
        {"laterite", Surface::Unpaved}, {"treated", Surface::Unpaved}, {"ice", Surface::Unpaved},
        {"gravel", Surface::Unpaved},   {"dirt", Surface::Unpaved},    {"sand", Surface::Unpaved},
        {"turf", Surface::Unpaved},     {"clay", Surface::Unpaved},    {"snow", Surface::Unpaved},
        {"unpaved", Surface::Unpaved},  {"water", Surface::Water},
    });
    const auto found = std::find_if(kSurfaces.begin(), kSurfaces.end(), [&word](const auto& entry) {
        return sameLetters(entry.first, word);
    });
    return found == kSurfaces.end() ? std::nullopt : std::optional(found->second);
}

bool hasScheduledService(const AirportRecord& record) {
    return record.scheduled.empty() ? !record.iata.empty() : record.scheduled == "1";
}

bool admits(const AirfieldFilter& filter, const AirportRecord& record) {
    return filter.wantsKind(record.kind()) &&
           (filter.country.empty() || sameLetters(filter.country, record.country)) &&
           (filter.region.empty() || sameLetters(filter.region, record.region)) &&
           (!filter.scheduled || hasScheduledService(record)) &&
           (!filter.asksRunway() || qualifyingRunway(filter, record));
}

std::string whySetAside(const AirfieldFilter& filter, const AirportRecord& record) {
    std::vector<std::string_view> reasons;
    if (!filter.wantsKind(record.kind())) {
        reasons.push_back("its kind");
    }
    if (!filter.country.empty() && !sameLetters(filter.country, record.country)) {
        reasons.push_back("its country");
    }
    if (!filter.region.empty() && !sameLetters(filter.region, record.region)) {
        reasons.push_back("its region");
    }
    if (filter.scheduled && !hasScheduledService(record)) {
        reasons.push_back("no scheduled service");
    }
    if (filter.asksRunway() && !qualifyingRunway(filter, record)) {
        AirfieldFilter lenient = filter;
        lenient.keepsUnknown = true;
        reasons.push_back(qualifyingRunway(lenient, record)
                              ? "its runways' surface or lighting not known"
                              : "no runway that meets the runway's conditions");
    }
    std::string why;
    for (const std::string_view reason : reasons) {
        why.append(why.empty() ? "" : ", ").append(reason);
    }
    return why;
}

bool mayAdmitItem(const AirfieldFilter& filter, std::string_view item) {
    // A field of ASCII reads the same whatever the item's encoding; another is left to admits.
    const std::string_view country = fieldAt(item, RecordField::Country);
    if (!filter.country.empty() && isAscii(country) && !sameLetters(filter.country, country)) {
        return false;
    }
    const std::string_view runways = fieldAt(item, RecordField::Runways);
    return !filter.asksRunway() || !isAscii(runways) ||
           std::ranges::any_of(runwaysOf(runways),
                               [&filter](const Runway& runway) { return meets(filter, runway); });
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
