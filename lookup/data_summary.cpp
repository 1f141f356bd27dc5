// SPDX-License-Identifier: MIT
#include "lookup/data_summary.h"

#include "lookup/data_file.h"

namespace icao {

Expected<DataFileSummary> summarizeDataFile(const std::filesystem::path& dataFile) {
    DataFileSummary summary;
    const auto error = forEachItem(dataFile, [&summary](const FileItem& item) {
        summary.records += item.bytes.empty() ? 0 : 1;
    });
    if (error) {
        return *error;
    }
    return summary;
}

} // namespace icao
