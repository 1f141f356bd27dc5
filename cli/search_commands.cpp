// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/keyed_output.h"
#include "cli/record_table.h"
#include "search/airports_by_code.h"
#include "search/find.h"
#include "search/nearby.h"
#include "search/route.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

double nauticalMiles(double km) {
    return km / icao::kKmPerNauticalMile;
}

std::string degrees(double course) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d°", static_cast<int>(std::lround(course)) % 360);
    return text;
}

// A distance in nautical miles and kilometres: with their units and this many decimals for
// reading, as plain numbers for TSV and JSON.
std::vector<Cell> distanceCells(double km, Format format, int shownDecimals) {
    if (format == Format::Text) {
        return {Cell::of(Cell::of(nauticalMiles(km), shownDecimals).text + " NM"),
                Cell::of(Cell::of(km, shownDecimals).text + " km")};
    }
    return {Cell::of(nauticalMiles(km), 1), Cell::of(km, 1)};
}

// A distance, then the course to fly it.
std::vector<Cell> distanceAndCourseCells(double km, double course, Format format,
                                         int shownDecimals) {
    std::vector<Cell> cells = distanceCells(km, format, shownDecimals);
    cells.push_back(format == Format::Text ? Cell::of(degrees(course)) : Cell::of(course, 1));
    return cells;
}

std::string distanceText(double km) {
    const std::vector<Cell> cells = distanceCells(km, Format::Text, 0);
    return cells[0].text + "  " + cells[1].text;
}

void append(std::vector<Cell>& row, std::vector<Cell> cells) {
    std::move(cells.begin(), cells.end(), std::back_inserter(row));
}

std::string codeOf(const std::vector<icao::AirportRecord>& records) {
    return records.empty() ? std::string() : icao::toUtf8(records.front().code);
}

std::vector<icao::AirportRecord> recordsOf(const std::vector<icao::FindHit>& hits) {
    std::vector<icao::AirportRecord> records;
    for (const auto& hit : hits) {
        records.push_back(hit.record);
    }
    return records;
}

// find TEXT: the hits, and the suggestions beside them (on standard error beside TSV or
// JSON, so as not to spoil them).
int findOne(const Arguments& arguments, const std::filesystem::path& dataFile) {
    const std::string& text = arguments.keys.front();
    const icao::Text query = icao::decodeText(text);
    if (query.size() > icao::kMaxFindText) {
        std::cerr << "icao: find TEXT holds " << query.size() << " characters; at most "
                  << icao::kMaxFindText << " are searched\n";
        return kExitError;
    }
    const auto result = icao::findAirports(query, arguments.limit, dataFile);
    if (!result) {
        return reportError(result.error());
    }
    std::cout << recordTable(recordsOf(result->hits), arguments.format).formatted(arguments.format);
    std::ostream& notes = arguments.format == Format::Text ? std::cout : std::cerr;
    if (result->hits.empty()) {
        notes << "no airport matches \"" << text << "\"\n";
    }
    if (!result->suggestions.empty()) {
        notes << "did you mean:\n" << recordTable(result->suggestions, Format::Text).aligned("  ");
    }
    return exitFor(!result->hits.empty());
}

int findEach(const Arguments& arguments, const std::filesystem::path& dataFile) {
    auto index = icao::AirportIndex::load(dataFile);
    if (!index) {
        return reportError(index.error());
    }
    KeyedOutput output(arguments.format, recordColumns(arguments.format));
    return exitFor(answerEachLine([&](const std::string& key) {
        const icao::Text query = icao::decodeText(key);
        const auto hits = query.size() > icao::kMaxFindText ? std::vector<icao::AirportRecord>()
                                                            : recordsOf(index->find(query, 1).hits);
        output.add(key, codeOf(hits),
                   hits.empty() ? std::vector<Cell>()
                                : recordCells(hits.front(), arguments.format));
        return !hits.empty();
    }));
}

// The codes of a route, as the words of one line of standard input.
std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream words(line);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

icao::Expected<icao::Route> routeOf(const std::vector<std::string>& words,
                                    const Arguments& arguments,
                                    const std::filesystem::path& dataFile) {
    std::vector<icao::Text> codes;
    for (const std::string& word : words) {
        codes.push_back(keyOf(word, arguments.raw));
    }
    return icao::planRoute(codes, dataFile);
}

int distOne(const Arguments& arguments, const std::filesystem::path& dataFile) {
    const auto route = routeOf(arguments.keys, arguments, dataFile);
    if (!route) {
        return reportError(route.error());
    }
    for (const icao::Text& code : route->unknown) {
        std::cerr << "icao: no airfield with coordinates has the code " << icao::toUtf8(code)
                  << '\n';
    }
    if (!route->unknown.empty()) {
        return kExitNotFound;
    }
    Table legs{{"from", "to", "distance_nm", "distance_km", "course_deg"}, {}};
    for (const icao::Leg& leg : route->legs) {
        std::vector<Cell> row = {Cell::of(icao::toUtf8(leg.from.code)),
                                 Cell::of(icao::toUtf8(leg.to.code))};
        append(row, distanceAndCourseCells(leg.distanceKm, leg.course, arguments.format, 0));
        legs.rows.push_back(std::move(row));
    }
    if (arguments.format == Format::Json) {
        // One object: the legs, then the totals' members.
        std::string array = legs.jsonArray();
        array.pop_back();
        const std::string totals =
            Table{{"total_nm", "total_km"}, {distanceCells(route->totalKm, Format::Json, 1)}}
                .jsonObject(0);
        std::cout << "{\"legs\": " << array << ", " << totals.substr(1) << '\n';
        return kExitFound;
    }
    std::vector<Cell> total = {Cell::of("total"), Cell::of("")};
    append(total, distanceCells(route->totalKm, arguments.format, 0));
    total.push_back(Cell::of(""));
    legs.rows.push_back(std::move(total));
    std::cout << legs.formatted(arguments.format);
    return kExitFound;
}

int distEach(const Arguments& arguments, const std::filesystem::path& dataFile) {
    KeyedOutput output(arguments.format, {"total_nm", "total_km"});
    std::optional<icao::FileError> error;
    const bool allFound = answerEachLine([&](const std::string& line) {
        const auto words = wordsOf(line);
        const auto route = words.size() >= 2 ? routeOf(words, arguments, dataFile)
                                             : icao::Expected<icao::Route>(icao::Route{});
        if (!route) {
            error = error.value_or(route.error());
            return false;
        }
        const bool found = words.size() >= 2 && route->unknown.empty();
        output.add(line, found ? distanceText(route->totalKm) : std::string(),
                   found ? distanceCells(route->totalKm, arguments.format, 1)
                         : std::vector<Cell>());
        return found;
    });
    return error ? reportError(*error) : exitFor(allFound);
}

// Where ORIGIN lies: LAT,LON in decimal degrees, or else an airfield's code.
struct Origin {
    std::optional<icao::Place> place;
    std::optional<std::size_t> line;
    bool isCoordinates = false;
};

std::optional<double> decimal(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return icao::numberOf(std::string_view(text));
}

icao::Expected<Origin> originOf(const std::string& key, const Arguments& arguments,
                                const std::filesystem::path& dataFile) {
    const std::size_t comma = key.find(',');
    if (comma != std::string::npos) {
        const auto latitude = decimal(key.substr(0, comma));
        const auto longitude = decimal(key.substr(comma + 1));
        return Origin{latitude && longitude ? icao::placeOf(*latitude, *longitude) : std::nullopt,
                      std::nullopt, true};
    }
    const auto airports = icao::airportsByCode({keyOf(key, arguments.raw)}, dataFile);
    if (!airports) {
        return airports.error();
    }
    const auto& airport = airports->front();
    return Origin{airport ? airport->place() : std::nullopt,
                  airport ? std::optional(airport->line) : std::nullopt, false};
}

Table nearbyTable(const std::vector<icao::NearbyAirport>& airports, Format format) {
    Table table{recordColumns(format), {}};
    table.columns.insert(table.columns.end(), {"distance_nm", "distance_km", "bearing_deg"});
    for (const auto& airport : airports) {
        std::vector<Cell> row = recordCells(airport.record, format);
        append(row, distanceAndCourseCells(airport.distanceKm, airport.bearing, format, 1));
        table.rows.push_back(std::move(row));
    }
    return table;
}

icao::Expected<std::optional<std::vector<icao::NearbyAirport>>>
nearbyOf(const std::string& key, const Arguments& arguments,
         const std::filesystem::path& dataFile) {
    const auto origin = originOf(key, arguments, dataFile);
    if (!origin) {
        return origin.error();
    }
    if (!origin->place) {
        return std::optional<std::vector<icao::NearbyAirport>>();
    }
    const auto airports = icao::nearestAirports(
        {*origin->place, arguments.limit, arguments.kinds, origin->line}, dataFile);
    if (!airports) {
        return airports.error();
    }
    return std::optional(*airports);
}

int nearOne(const Arguments& arguments, const std::filesystem::path& dataFile) {
    const std::string& key = arguments.keys.front();
    const auto airports = nearbyOf(key, arguments, dataFile);
    if (!airports) {
        return reportError(airports.error());
    }
    if (!*airports) {
        if (key.find(',') != std::string::npos) {
            std::cerr << "icao: " << key
                      << " is no place: give LAT,LON in decimal degrees, such as 51.47,-0.46\n";
            return kExitError;
        }
        std::cerr << "icao: no airfield with coordinates has the code "
                  << icao::toUtf8(keyOf(key, arguments.raw)) << '\n';
        return kExitNotFound;
    }
    std::cout << nearbyTable(**airports, arguments.format).formatted(arguments.format);
    return exitFor(!(*airports)->empty());
}

int nearEach(const Arguments& arguments, const std::filesystem::path& dataFile) {
    const Table columns = nearbyTable({}, arguments.format);
    KeyedOutput output(arguments.format, columns.columns);
    std::optional<icao::FileError> error;
    const bool allFound = answerEachLine([&](const std::string& key) {
        const auto airports = nearbyOf(key, arguments, dataFile);
        if (!airports) {
            error = error.value_or(airports.error());
            return false;
        }
        const bool found = *airports && !(*airports)->empty();
        const Table nearest = nearbyTable(found ? std::vector{(*airports)->front()}
                                                : std::vector<icao::NearbyAirport>(),
                                          arguments.format);
        output.add(key, found ? icao::toUtf8((*airports)->front().record.code) : std::string(),
                   found ? nearest.rows.front() : std::vector<Cell>());
        return found;
    });
    return error ? reportError(*error) : exitFor(allFound);
}

} // namespace

int runFind(const Arguments& arguments, const std::filesystem::path& dataFile) {
    return arguments.batch() ? findEach(arguments, dataFile) : findOne(arguments, dataFile);
}

int runDist(const Arguments& arguments, const std::filesystem::path& dataFile) {
    return arguments.batch() ? distEach(arguments, dataFile) : distOne(arguments, dataFile);
}

int runNear(const Arguments& arguments, const std::filesystem::path& dataFile) {
    return arguments.batch() ? nearEach(arguments, dataFile) : nearOne(arguments, dataFile);
}
