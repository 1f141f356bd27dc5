// SPDX-License-Identifier: MIT
#include "cli/record_table.h"

namespace {

std::string utf8(const icao::Text& text) {
    return icao::toUtf8(text);
}

} // namespace

std::vector<std::string> recordColumns(Format format) {
    std::vector<std::string> columns = {"icao", "name", "municipality", "country", "iata", "kind"};
    if (format != Format::Text) {
        columns.insert(columns.end(), {"latitude", "longitude", "elevation_ft", "keywords"});
    }
    return columns;
}

std::vector<Cell> recordCells(const icao::AirportRecord& record, Format format) {
    std::vector<Cell> cells = {
        Cell::of(utf8(record.code)),         Cell::of(utf8(record.name)),
        Cell::of(utf8(record.municipality)), Cell::of(utf8(record.country)),
        Cell::of(utf8(record.iata)),         Cell::of(std::string(icao::kindName(record.kind()))),
    };
    if (format != Format::Text) {
        for (const icao::Text* number : {&record.latitude, &record.longitude, &record.elevation}) {
            cells.push_back(Cell::numberOf(utf8(*number), icao::numberOf(*number)));
        }
        cells.push_back(Cell::of(utf8(record.keywords)));
    }
    return cells;
}

Table recordTable(const std::vector<icao::AirportRecord>& records, Format format) {
    Table table{recordColumns(format), {}};
    for (const auto& record : records) {
        table.rows.push_back(recordCells(record, format));
    }
    return table;
}
