// SPDX-License-Identifier: MIT
#include "cli/record_table.h"

#include "sheet/airfield_sheet.h"

namespace {

// A coordinate as the record writes it; unknown, and null in JSON, where the record gives no
// place.
Cell coordinateCell(const icao::AirportRecord& record, const std::optional<icao::Place>& place,
                    bool latitude) {
    // A record that gives no place shows neither coordinate, lest one be taken for a place.
    if (!place) {
        return {"unknown", "", nullptr};
    }
    return Cell::recordNumber(latitude ? record.latitude : record.longitude,
                              latitude ? place->latitude : place->longitude);
}

} // namespace

std::vector<Column> recordColumns(icao::LengthUnit unit) {
    return {{"icao"},
            {"name"},
            {"municipality"},
            {"country"},
            {"iata"},
            {"kind"},
            {"latitude", true},
            {"longitude", true},
            {unit == icao::LengthUnit::Metre ? "elevation_m" : "elevation_ft", true},
            {"keywords", true}};
}

std::vector<Cell> recordCells(const icao::AirportRecord& record, icao::LengthUnit unit) {
    std::vector<Cell> cells = {
        Cell::text(record.code),         Cell::text(record.name),
        Cell::text(record.municipality), Cell::text(record.country),
        Cell::text(record.iata),         Cell::text(std::string(icao::kindName(record.kind()))),
    };
    const auto place = record.place();
    for (const bool latitude : {true, false}) {
        cells.push_back(coordinateCell(record, place, latitude));
    }
    // Plain as the record holds it, as TSV and JSON gave it before any unit was asked.
    icao::SheetEntry elevation = icao::elevationEntry(record, unit);
    cells.push_back({elevation.plain, elevation.plain, std::move(elevation.value)});
    cells.push_back(Cell::text(record.keywords));
    return cells;
}
