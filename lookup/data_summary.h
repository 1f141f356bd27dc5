#pragma once

#include "lookup/expected.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace icao {

struct DataFileSummary {
    // Items that are not blank.
    std::size_t records = 0;
    // Last modified, as "YYYY-MM-DD HH:MM:SS UTC".
    std::string modified;
};

Expected<DataFileSummary> summarizeDataFile(const std::filesystem::path& dataFile);

} // namespace icao
