#include "lookup/data_summary.h"

#include "lookup/data_file.h"

#include <chrono>
#include <ctime>

namespace icao {

Expected<DataFileSummary> summarizeDataFile(const std::filesystem::path& dataFile) {
    auto file = DataFile::open(dataFile);
    if (!file) {
        return file.error();
    }
    DataFileSummary summary;
    while (const auto item = file->nextItem()) {
        summary.records += item->empty() ? 0 : 1;
    }
    if (file->error()) {
        return *file->error();
    }
    std::error_code error;
    const auto written = std::filesystem::last_write_time(dataFile, error);
    if (error) {
        return FileError{dataFile, "cannot be examined (" + error.message() + ")"};
    }
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    summary.modified = text;
    return summary;
}

} // namespace icao
