// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"

#include <cstddef>
#include <filesystem>

namespace icao {

struct DataFileSummary {
    // Items that are not blank.
    std::size_t records = 0;
};

Expected<DataFileSummary> summarizeDataFile(const std::filesystem::path& dataFile);

} // namespace icao
