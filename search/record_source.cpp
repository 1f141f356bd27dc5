// SPDX-License-Identifier: MIT
#include "search/record_source.h"

#include "lookup/text.h"

#include <algorithm>

namespace icao {

RecordSource::RecordSource(const std::filesystem::path& dataFile) : dataFile_(&dataFile) {}

RecordSource::RecordSource(const AirportIndex& index) : held_(&index) {}

RecordSource::RecordSource(const std::vector<StoredItem>& items) : items_(&items) {}

std::optional<FileError>
RecordSource::visitItems(const std::function<bool(const StoredItem&)>& visit) const {
    if (held_) {
        held_->visitItems(visit);
        return std::nullopt;
    }
    if (items_) {
        std::ranges::find_if_not(*items_, visit);
        return std::nullopt;
    }
    return forEachItem(*dataFile_, [&visit](const FileItem& item) {
        return visit({keptBytes(item.bytes), item.line, StoredItem::kNotRead});
    });
}

} // namespace icao
