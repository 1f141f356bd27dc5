// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace icao {

// One record or line that a lookup treats differently from what the line suggests.
struct AuditFinding {
    std::size_t line;
    std::string reason;
};

struct AuditReport {
    std::size_t items = 0;
    std::vector<AuditFinding> findings;

    std::string summary() const;
};

// Reads the data file with the lookups' own item reader and reports every line that a comma
// or double quote splits or shortens, every item not laid out as an airport record, every
// code or name an earlier record already uses, blank lines and items that an empty key
// finds, and lines read as Windows-1252.
Expected<AuditReport> auditDataFile(const std::filesystem::path& path);

} // namespace icao
