// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/data_file.h"
#include "search/find.h"
#include "search/stored_item.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace icao {

// Where a question's records come from: the data file, read through once a question, or the
// records held in memory, which also answer a code by a hash. Both offer their items in file
// order in one shape, so that each question is written once over either.
class RecordSource {
  public:
    // Implicit, as a command asks of a file or of the records it holds alike.
    RecordSource(const std::filesystem::path& dataFile);
    // Valid while the index is.
    RecordSource(const AirportIndex& index);
    // Some of the items held, in file order; valid while they and what they view are.
    explicit RecordSource(const std::vector<StoredItem>& items);

    // Each item's kept bytes and line, in file order, until visit returns false; the error
    // that kept the file from being opened or read to the end.
    std::optional<FileError> visitItems(const std::function<bool(const StoredItem&)>& visit) const;

    // The records held in memory; none for the file.
    const AirportIndex* held() const { return held_; }

  private:
    const std::filesystem::path* dataFile_ = nullptr;
    const AirportIndex* held_ = nullptr;
    const std::vector<StoredItem>* items_ = nullptr;
};

} // namespace icao
