// SPDX-License-Identifier: MIT
// Airfields and navaids as places other programs map: GeoJSON (RFC 7946) points with every
// column as a property, KML 2.2 placemarks with them as ExtendedData, GPX 1.1 waypoints.
#include "cli/printers.h"
#include "plans/places_writer.h"
#include "records/airfield_details.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace {

std::optional<std::size_t> columnNamed(const std::vector<Column>& columns,
                                       std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        const auto found =
            std::find_if(columns.begin(), columns.end(),
                         [name](const Column& column) { return column.name == name; });
        if (found != columns.end()) {
            return static_cast<std::size_t>(found - columns.begin());
        }
    }
    return std::nullopt;
}

std::optional<double> numberIn(const std::vector<Cell>& cells, std::optional<std::size_t> at) {
    if (!at || *at >= cells.size()) {
        return std::nullopt;
    }
    const auto& held = cells[*at].value.held;
    if (const auto* number = std::get_if<double>(&held)) {
        return *number;
    }
    if (const auto* whole = std::get_if<long long>(&held)) {
        return static_cast<double>(*whole);
    }
    return std::nullopt;
}

std::string textIn(const std::vector<Cell>& cells, std::optional<std::size_t> at) {
    return at && *at < cells.size() ? cells[*at].plain : std::string();
}

} // namespace

void PlacesPrinter::list(const RowSource& rows) {
    const auto latitudeAt = columnNamed(rows.columns, {"latitude"});
    const auto longitudeAt = columnNamed(rows.columns, {"longitude"});
    const auto identAt = columnNamed(rows.columns, {"icao", "ident"});
    const auto nameAt = columnNamed(rows.columns, {"name"});
    const auto kindAt = columnNamed(rows.columns, {"kind", "type"});
    const auto feetAt = columnNamed(rows.columns, {"elevation_ft"});
    const auto runwaysAt = columnNamed(rows.columns, {"runways"});
    icao::PlacesWriter writer(format_);
    std::cout << writer.begin();
    std::size_t placeless = 0;
    for (std::size_t i = 0; i < rows.count; ++i) {
        const std::vector<Cell> cells = rows.row(i);
        const auto latitude = numberIn(cells, latitudeAt);
        const auto longitude = numberIn(cells, longitudeAt);
        // A record that places nothing is no feature: a map cannot show it.
        if (!latitude || !longitude) {
            ++placeless;
            continue;
        }
        icao::PlaceRecord place{textIn(cells, identAt),  textIn(cells, nameAt),
                                textIn(cells, kindAt),   {*latitude, *longitude},
                                numberIn(cells, feetAt), {}};
        for (std::size_t k = 0; k < rows.columns.size() && k < cells.size(); ++k) {
            place.fields.push_back({rows.columns[k].name, cells[k].plain, cells[k].value});
        }
        // info's runways, between their thresholds where the record gives both.
        for (const icao::Runway& runway : icao::runwaysOf(textIn(cells, runwaysAt))) {
            if (runway.ends.size() == 2 && runway.ends[0].threshold && runway.ends[1].threshold) {
                place.lines.push_back({runway.ends[0].ident + "/" + runway.ends[1].ident,
                                       *runway.ends[0].threshold, *runway.ends[1].threshold});
            }
        }
        std::cout << writer.place(place);
    }
    std::cout << writer.end();
    if (placeless > 0) {
        std::cerr << "icao: " << placeless
                  << (placeless == 1 ? " record gives no place and is"
                                     : " records give no place and are")
                  << " left out\n";
    }
}

void PlacesPrinter::hitsAndSuggestions(const RowSource& hits, const Table& suggestions) {
    // Places that merely look like what was asked are no answer to map.
    list(hits);
    if (!suggestions.rows.empty()) {
        std::cerr << "icao: no record matches well; the suggestions are left out of the map\n";
    }
}

void PlacesPrinter::route(const Table& legs, const Table&) {
    list(legs);
}

void PlacesPrinter::answer(const std::string&, const Table& row) {
    list(row);
}

void PlacesPrinter::startKeyed(const std::vector<Column>&) {}

void PlacesPrinter::keyed(const std::string&, const std::string&,
                          const std::function<std::vector<Cell>()>&) {}

std::ostream& PlacesPrinter::notes() {
    return std::cerr;
}
