// SPDX-License-Identifier: MIT
#pragma once

#include "records/airfield_details.h"
#include "records/airport_record.h"
#include "search/navaids.h"
#include "sheet/sheet_value.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace icao {

// One labelled value of an airfield's sheet, worded once for every view of it: icao info's
// text, TSV and JSON, and the finder's details.
struct SheetEntry {
    // The TSV column and JSON member: "elevation_ft".
    std::string key;
    // What text and the finder call it: "elevation".
    std::string label;
    // Carried by TSV and JSON only.
    bool machineOnly = false;
    // As read: a line each, each line in parts ("02/20", "3385 × 59 ft", "asphalt") that a
    // view lines up in columns or runs on; none where the value is not known.
    std::vector<std::vector<std::string>> lines;
    // As TSV carries it.
    std::string plain;
    // As JSON carries it.
    SheetValue value;
};

// What a sheet is worded in and of which day it tells the sun.
struct SheetTerms {
    LengthUnit length = LengthUnit::Foot;
    // A navaid's distance in each, in turn.
    std::vector<DistanceUnit> distances = {DistanceUnit::NauticalMile, DistanceUnit::Kilometre};
    // The sun's day: the one asked, else the airfield's date at the instant in its zone.
    std::optional<std::chrono::sys_days> day;
    std::chrono::sys_seconds now;
};

// Everything the record tells of an airfield, entry by entry in a fixed order (the same keys
// for every airfield, elevation_m for metres): codes, name, kind, place, position, elevation,
// magnetic variation, zone and local time, the sun's times, runways, frequencies, the navaids
// within reach nearest first (none where their file is not known), alternate names.
std::vector<SheetEntry> airfieldSheet(const AirportRecord& record, const AirfieldDetails& details,
                                      const std::optional<std::vector<NearbyNavaid>>& navaids,
                                      const SheetTerms& terms, ZoneClock& clock);

// The entries of any airfield with their keys and labels, and no values: a table's columns.
std::vector<SheetEntry> airfieldSheetHeadings(LengthUnit length);

// An elevation as every answer words it: "83 ft" as the record writes it, "25 m" whole, TSV
// the number alone; "unknown" where the record gives none.
SheetEntry elevationEntry(const AirportRecord& record, LengthUnit unit);

} // namespace icao
