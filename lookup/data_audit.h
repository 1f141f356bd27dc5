// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace icao {

// One record or line that a lookup treats differently from what the line suggests.
struct AuditFinding {
    std::size_t line;
    std::string reason;
};

// What an audit found, counted.
struct AuditSummary {
    std::size_t items = 0;
    std::size_t findings = 0;
    std::size_t linesWithFindings = 0;

    std::string summary() const;
};

// Takes each finding; yields false to end the audit there.
using AuditSink = std::function<bool(const AuditFinding&)>;

// Reads the data file with the lookups' own item reader and reports to sink, line by line as
// it reads, every line that a comma or double quote splits or shortens, every item not laid
// out as an airport record, every code, name or IATA code an earlier record already uses, blank
// lines and items that an empty key finds, coordinates and elevations out of range, lines read as
// Windows-1252, and records that hold control characters. It keeps one key a distinct code, name or
// IATA code, and the findings of one item. Without a sink it only counts.
Expected<AuditSummary> auditDataFile(const std::filesystem::path& path, const AuditSink& sink = {});

} // namespace icao
