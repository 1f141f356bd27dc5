// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/airfield_filter.h"
#include "records/airport_record.h"
#include "records/geo.h"
#include "records/nearby_airport.h"
#include "search/find.h"
#include "search/record_source.h"

#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace icao {

struct NearbyQuery {
    Place origin;
    std::size_t limit = 10;
    // The airfields wanted; every one when nothing is set.
    AirfieldFilter filter;
    // The line of the origin's own record, which is left out.
    std::optional<std::size_t> originLine;
};

// The airfields nearest the origin, nearest first and file order among equals, found in one
// pass over the records that keeps no more than limit items at a time.
Expected<std::vector<NearbyAirport>> nearestAirports(const NearbyQuery& query,
                                                     const RecordSource& source);

// The items held in memory whose airfields the filter admits, in file order: a filter that
// reads the records is applied once for many nearest searches under it, not for each.
std::vector<StoredItem> admittedItems(const AirfieldFilter& filter, const AirportIndex& index);

} // namespace icao
