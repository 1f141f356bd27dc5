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

// The record's elevation in the unit, shown with it; "unknown" where the record has none.
// A coordinate as the record writes it; unknown, and null in JSON, where the record gives no
// place.
Cell coordinateCell(const icao::AirportRecord& record, const std::optional<icao::Place>& place,
                    bool latitude);
Cell elevationCell(const icao::AirportRecord& record, icao::LengthUnit unit);
