// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/airfield_filter.h"
#include "records/airport_record.h"
#include "search/record_source.h"

#include <cstddef>
#include <vector>

namespace icao {

// Every airfield the filter keeps, as find lists no text: larger kinds first, of one kind the
// more prominent, then in file order; at most limit of them.
Expected<std::vector<RecordItem>> airfieldsKept(const AirfieldFilter& filter, std::size_t limit,
                                                const RecordSource& source);

} // namespace icao
