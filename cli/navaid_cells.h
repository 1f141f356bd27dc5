// SPDX-License-Identifier: MIT
#pragma once

#include "cli/arguments.h"
#include "cli/table.h"
#include "platform/expected.h"
#include "records/navaid.h"
#include "search/navaids.h"

#include <filesystem>
#include <vector>

// A navaid's columns and its cells under them: ident, name, type, frequency with its unit,
// country and airfield in text; position, elevation, magnetic variation and DME channel
// beside them in TSV and JSON.
std::vector<Column> navaidColumns();
std::vector<Cell> navaidCells(const icao::Navaid& navaid);

// The aids of navaids.txt beside the data file that keep keeps (all without it); the error is
// told on standard error.
icao::Expected<std::vector<icao::Navaid>>
navaidsBeside(const std::filesystem::path& dataFile,
              const std::function<bool(const icao::Navaid&)>& keep = {});
