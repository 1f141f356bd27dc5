// SPDX-License-Identifier: MIT
#include "cli/record_table.h"

std::vector<Column> recordColumns() {
    return {{"icao"},
            {"name"},
            {"municipality"},
            {"country"},
            {"iata"},
            {"kind"},
            {"latitude", true},
            {"longitude", true},
            {"elevation_ft", true},
            {"keywords", true}};
}

std::vector<Cell> recordCells(const icao::AirportRecord& record) {
    std::vector<Cell> cells = {
        Cell::text(record.code),         Cell::text(record.name),
        Cell::text(record.municipality), Cell::text(record.country),
        Cell::text(record.iata),         Cell::text(std::string(icao::kindName(record.kind()))),
    };
    for (const std::string* number : {&record.latitude, &record.longitude, &record.elevation}) {
        cells.push_back(Cell::recordNumber(*number, icao::numberOf(*number)));
    }
    cells.push_back(Cell::text(record.keywords));
    return cells;
}

Table recordTable(const std::vector<icao::AirportRecord>& records) {
    Table table{recordColumns(), {}};
    for (const auto& record : records) {
        table.rows.push_back(recordCells(record));
    }
    return table;
}
