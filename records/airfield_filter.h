// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/airfield_kind.h"
#include "records/airfield_details.h"
#include "records/airport_record.h"

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace icao {

// What a runway is made of, as far as landing on it goes.
enum class Surface { Paved, Unpaved, Water };

// The surface a RUNWAYS field's word names ("asphalt", "grass", "water"); none for a word it
// does not know, or none given.
std::optional<Surface> surfaceOf(const std::string& word);

// The airfields a question keeps: of these kinds, in this country and region, with a runway
// at least this long, of this surface and lighted, with scheduled service. Every condition
// left unset keeps them all; the runway's conditions hold for one runway together.
struct AirfieldFilter {
    std::bitset<kAirfieldKinds> kinds;
    // An ISO 3166 country code, as the record's country field holds it ("GB").
    std::string country;
    // The region as the record names it ("England"), in any letter case.
    std::string region;
    std::optional<int> minRunwayFt;
    std::optional<Surface> surface;
    bool lighted = false;
    // As the record says; a file that does not say counts an airfield with an IATA code.
    bool scheduled = false;
    // Whether a runway whose surface or lighting the data does not know meets the surface
    // and lighting asked for: the question asked again, to tell what not knowing left out.
    bool keepsUnknown = false;

    bool wantsKind(AirfieldKind kind) const {
        return kinds.none() ||
               (kind < AirfieldKind::Unknown && kinds[static_cast<std::size_t>(kind)]);
    }
    // Whether a condition beyond the kind is set, which only the whole record can answer.
    bool readsRecords() const {
        return !country.empty() || !region.empty() || asksRunway() || scheduled;
    }
    bool asksRunway() const { return minRunwayFt || surface || lighted; }
    // Whether any condition is set, so that the filter may set an airfield aside.
    bool setsAnyAside() const { return kinds.any() || readsRecords(); }
};

// Whether the record's airfield has scheduled service.
bool hasScheduledService(const AirportRecord& record);

// Whether the filter keeps the record.
bool admits(const AirfieldFilter& filter, const AirportRecord& record);
// What sets the record aside, as a status says it ("its kind", "its runways' surface or
// lighting not known"), the reasons apart by commas; empty where the filter keeps it.
std::string whySetAside(const AirfieldFilter& filter, const AirportRecord& record);
// Whether an item's record may be admitted, told from its country and runways alone without
// making the record: a filter that asks for long lighted runways rules out most airfields, and
// a search for the nearest would otherwise make a record of each.
bool mayAdmitItem(const AirfieldFilter& filter, std::string_view item);
// The record's first runway that meets the filter's runway conditions; none where it asks
// none or no runway meets them.
std::optional<Runway> qualifyingRunway(const AirfieldFilter& filter, const AirportRecord& record);

} // namespace icao
