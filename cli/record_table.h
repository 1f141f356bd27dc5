// SPDX-License-Identifier: MIT
#pragma once

#include "cli/table.h"
#include "records/airport_record.h"

#include <vector>

// Airport records as rows. Text shows code, name, municipality, country, IATA code and kind;
// TSV and JSON carry every field, coordinates and elevation as numbers.
std::vector<Column> recordColumns();
std::vector<Cell> recordCells(const icao::AirportRecord& record);

// The rows of these records under recordColumns.
Table recordTable(const std::vector<icao::AirportRecord>& records);
