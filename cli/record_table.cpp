// SPDX-License-Identifier: MIT
#include "cli/record_table.h"

namespace {

Cell textCell(const icao::Text& text) {
    return Cell::text(icao::toUtf8(text));
}

} // namespace

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
        textCell(record.code),         textCell(record.name),
        textCell(record.municipality), textCell(record.country),
        textCell(record.iata),         Cell::text(std::string(icao::kindName(record.kind()))),
    };
    for (const icao::Text* number : {&record.latitude, &record.longitude, &record.elevation}) {
        cells.push_back(Cell::recordNumber(icao::toUtf8(*number), icao::numberOf(*number)));
    }
    cells.push_back(textCell(record.keywords));
    return cells;
}

Table recordTable(const std::vector<icao::AirportRecord>& records) {
    Table table{recordColumns(), {}};
    for (const auto& record : records) {
        table.rows.push_back(recordCells(record));
    }
    return table;
}
