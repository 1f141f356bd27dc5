// SPDX-License-Identifier: MIT
#pragma once

#include "cli/table.h"
#include "records/airfield_details.h"
#include "records/airport_record.h"

#include <vector>

// Airport records as rows. Text shows code, name, municipality, country, IATA code and kind;
// TSV and JSON carry every field, coordinates and elevation as numbers, the elevation in the
// unit given.
std::vector<Column> recordColumns(icao::LengthUnit unit);
std::vector<Cell> recordCells(const icao::AirportRecord& record, icao::LengthUnit unit);
