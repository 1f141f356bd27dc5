// SPDX-License-Identifier: MIT
#include "search/record_source.h"

#include "lookup/text.h"

namespace icao {

RecordSource::RecordSource(const std::filesystem::path& dataFile) : dataFile_(&dataFile) {}

RecordSource::RecordSource(const AirportIndex& index) : held_(&index) {}

std::optional<FileError>
RecordSource::visitItems(const std::function<bool(const StoredItem&)>& visit) const {
    if (held_) {
        held_->visitItems(visit);
        return std::nullopt;
    }
    return forEachItem(*dataFile_, [&visit](const FileItem& item) {
        return visit({keptBytes(item.bytes), item.line, StoredItem::kNotRead});
    });
}

} // namespace icao
