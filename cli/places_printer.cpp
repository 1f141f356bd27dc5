// SPDX-License-Identifier: MIT
// Airfields and navaids as places other programs map: GeoJSON (RFC 7946) points with every
// column as a property, KML 2.2 placemarks with them as ExtendedData, GPX 1.1 waypoints.
#include "cli/json_values.h"
#include "cli/printers.h"
#include "map/xml_text.h"

#include <algorithm>
#include <cstdio>
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

std::string decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

} // namespace

void PlacesPrinter::list(const RowSource& rows) {
    const auto latitudeAt = columnNamed(rows.columns, {"latitude"});
    const auto longitudeAt = columnNamed(rows.columns, {"longitude"});
    const auto identAt = columnNamed(rows.columns, {"icao", "ident"});
    const auto nameAt = columnNamed(rows.columns, {"name"});
    const auto kindAt = columnNamed(rows.columns, {"kind", "type"});
    const auto feetAt = columnNamed(rows.columns, {"elevation_ft"});
    const auto metresAt = columnNamed(rows.columns, {"elevation_m"});
    std::string out;
    switch (format_) {
    case icao::PlanFormat::Kml:
        out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n";
        break;
    case icao::PlanFormat::Gpx:
        out =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<gpx version=\"1.1\" creator=\"icao\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
        break;
    default:
        out = "{\"type\": \"FeatureCollection\", \"features\": [";
        break;
    }
    std::cout << out;
    std::size_t written = 0;
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
        const std::string ident = textIn(cells, identAt);
        const std::string name = textIn(cells, nameAt);
        std::string feature;
        if (format_ == icao::PlanFormat::Kml) {
            feature = "<Placemark><name>" + icao::xmlText(ident) + "</name><description>" +
                      icao::xmlText(name) + "</description><ExtendedData>";
            for (std::size_t k = 0; k < rows.columns.size() && k < cells.size(); ++k) {
                feature += "<Data name=\"" + icao::xmlText(rows.columns[k].name) + "\"><value>" +
                           icao::xmlText(cells[k].plain) + "</value></Data>";
            }
            feature += "</ExtendedData><Point><coordinates>" + decimal(*longitude) + "," +
                       decimal(*latitude) + "</coordinates></Point></Placemark>\n";
        } else if (format_ == icao::PlanFormat::Gpx) {
            feature = "<wpt lat=\"" + decimal(*latitude) + "\" lon=\"" +
                      decimal(*longitude >= 180 ? *longitude - 360 : *longitude) + "\">";
            // GPX gives heights in metres.
            if (const auto feet = numberIn(cells, feetAt)) {
                feature += "<ele>" + decimal(*feet * 0.3048) + "</ele>";
            } else if (const auto metres = numberIn(cells, metresAt)) {
                feature += "<ele>" + decimal(*metres) + "</ele>";
            }
            feature += "<name>" + icao::xmlText(ident) + "</name><desc>" + icao::xmlText(name) +
                       "</desc><type>" + icao::xmlText(textIn(cells, kindAt)) + "</type></wpt>\n";
        } else {
            feature = std::string(written ? ",\n" : "\n") +
                      "{\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", "
                      "\"coordinates\": [" +
                      decimal(*longitude) + ", " + decimal(*latitude) +
                      "]}, \"properties\": " + laidOut(objectOf(rows.columns, cells), false) + "}";
        }
        std::cout << feature;
        ++written;
    }
    switch (format_) {
    case icao::PlanFormat::Kml:
        std::cout << "</Document>\n</kml>\n";
        break;
    case icao::PlanFormat::Gpx:
        std::cout << "</gpx>\n";
        break;
    default:
        std::cout << "\n]}\n";
        break;
    }
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
