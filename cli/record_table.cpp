// SPDX-License-Identifier: MIT
#include "cli/record_table.h"

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

Cell coordinateCell(const icao::AirportRecord& record, const std::optional<icao::Place>& place,
                    bool latitude) {
    // A record that gives no place shows neither coordinate, lest one be taken for a place.
    if (!place) {
        return {"unknown", "", nullptr};
    }
    return Cell::recordNumber(latitude ? record.latitude : record.longitude,
                              latitude ? place->latitude : place->longitude);
}

Cell elevationCell(const icao::AirportRecord& record, icao::LengthUnit unit) {
    const auto feet = record.elevationFt();
    if (!feet) {
        return {"unknown", "", nullptr};
    }
    // Feet as the record writes them; metres whole.
    if (unit == icao::LengthUnit::Foot) {
        return {record.elevation + " ft", record.elevation, *feet};
    }
    const int metres = icao::lengthIn(*feet, unit);
    return {std::to_string(metres) + " m", std::to_string(metres), metres};
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
    Cell elevation = elevationCell(record, unit);
    elevation.shown = elevation.plain;
    cells.push_back(std::move(elevation));
    cells.push_back(Cell::text(record.keywords));
    return cells;
}
