// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/distance_cells.h"
#include "cli/key_loop.h"
#include "cli/navaid_cells.h"
#include "cli/picture_output.h"
#include "cli/record_table.h"
#include "cli/runway_cells.h"
#include "map/neighbourhood_map.h"
#include "search/airports_by_code.h"
#include "search/filtered_list.h"
#include "search/find.h"
#include "search/nearby.h"

#include <algorithm>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

// The records' columns, and where the filter asks for a runway, the first that qualifies.
std::vector<Column> filteredColumns(const Arguments& arguments) {
    const icao::AirfieldFilter& filter = arguments.filter;
    std::vector<Column> columns = recordColumns(arguments.shownLength());
    if (filter.asksRunway()) {
        columns.push_back({"qualifying_runway"});
    }
    return columns;
}

std::vector<Cell> filteredCells(const icao::AirportRecord& record, const Arguments& arguments) {
    const icao::AirfieldFilter& filter = arguments.filter;
    std::vector<Cell> cells = recordCells(record, arguments.shownLength());
    if (filter.asksRunway()) {
        const auto runway = icao::qualifyingRunway(filter, record);
        cells.push_back(runway ? runwayCell(*runway, arguments.shownLength()) : Cell::missing());
    }
    return cells;
}

// Says how many airfields the runway's surface or lighting asked for left out only because the
// data does not know it, among the answers (relaxed: find's hits or near's airfields, each with
// its item) the same question gives without that.
template <class Answers>
void noteUnknownSetAside(const Arguments& arguments, Printer& printer, const Answers& relaxed) {
    const icao::AirfieldFilter& filter = arguments.filter;
    const auto setAside =
        std::count_if(relaxed.begin(), relaxed.end(), [&filter](const auto& answer) {
            return !icao::admits(filter, answer.item.record());
        });
    if (setAside == 0) {
        return;
    }
    printer.notes() << setAside << (setAside == 1 ? " airfield" : " airfields") << " of unknown "
                    << (filter.surface && filter.lighted ? "surface or lighting"
                        : filter.surface                 ? "surface"
                                                         : "lighting")
                    << " left out; "
                    << (filter.surface && filter.lighted ? "--surface any without --lighted keeps"
                        : filter.surface                 ? "--surface any keeps"
                                                         : "leaving out --lighted keeps")
                    << (setAside == 1 ? " it\n" : " them\n");
}

bool asksKnownRunways(const Arguments& arguments) {
    return arguments.filter.surface || arguments.filter.lighted;
}

icao::AirfieldFilter keepingUnknown(icao::AirfieldFilter filter) {
    filter.keepsUnknown = true;
    return filter;
}

// find TEXT: the hits, and the suggestions beside them.
// Every airfield the filters keep, larger and more prominent first.
int listKept(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    const auto kept = icao::airfieldsKept(arguments.filter, arguments.limit, dataFile);
    if (!kept) {
        return reportError(kept.error());
    }
    if (kept->empty()) {
        printer.notes() << "no airfield passes the filters\n";
    }
    printer.hitsAndSuggestions(RowSource(filteredColumns(arguments), kept->size(),
                                         [&kept, &arguments](std::size_t i) {
                                             return filteredCells((*kept)[i].record(), arguments);
                                         }),
                               Table{filteredColumns(arguments), {}});
    return exitFor(!kept->empty());
}

int findOne(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    if (arguments.keys.empty()) {
        return listKept(arguments, printer, dataFile);
    }
    const std::string& text = arguments.keys.front();
    const icao::Text query = icao::decodeText(text);
    if (query.size() > icao::kMaxFindText) {
        warn("find TEXT holds " + std::to_string(query.size()) + " characters; at most " +
             std::to_string(icao::kMaxFindText) + " are searched");
        return kExitError;
    }
    const auto result = icao::findAirports(query, arguments.limit, dataFile, arguments.filter);
    if (!result) {
        return reportError(result.error());
    }
    if (result->hits.empty()) {
        printer.notes() << "no airport matches \"" << withVisibleControls(text) << "\"\n";
    }
    const auto& hits = result->hits;
    Table suggestions{filteredColumns(arguments), {}};
    for (const icao::AirportRecord& record : result->suggestions) {
        suggestions.rows.push_back(filteredCells(record, arguments));
    }
    printer.hitsAndSuggestions(RowSource(filteredColumns(arguments), hits.size(),
                                         [&hits, &arguments](std::size_t i) {
                                             return filteredCells(hits[i].item.record(), arguments);
                                         }),
                               suggestions);
    if (asksKnownRunways(arguments)) {
        const auto relaxed =
            icao::findAirports(query, arguments.limit, dataFile, keepingUnknown(arguments.filter));
        if (relaxed) {
            noteUnknownSetAside(arguments, printer, relaxed->hits);
        }
    }
    return exitFor(!result->hits.empty());
}

int findEach(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    auto index = icao::AirportIndex::load(dataFile);
    if (!index) {
        return reportError(index.error());
    }
    return answerEachKey(printer, filteredColumns(arguments),
                         [&](const std::string& key) -> icao::Expected<KeyedAnswer> {
                             const icao::Text query = icao::decodeText(key);
                             if (query.size() > icao::kMaxFindText) {
                                 return KeyedAnswer{};
                             }
                             const auto hits = index->find(query, 1, arguments.filter).hits;
                             if (hits.empty()) {
                                 return KeyedAnswer{};
                             }
                             auto record = hits.front().item.record();
                             std::string code = record.code;
                             return KeyedAnswer{std::move(code),
                                                [record = std::move(record), &arguments] {
                                                    return filteredCells(record, arguments);
                                                },
                                                true};
                         });
}

// Where ORIGIN lies: LAT,LON in decimal degrees, or else an airfield's code.
struct Origin {
    std::optional<icao::Place> place;
    // The airfield's record, for an origin named by its code.
    std::optional<icao::AirportRecord> record;
};

// A LAT,LON key's place, or none there; nothing for a key that is a code.
std::optional<Origin> positionOf(const std::string& key) {
    if (key.find(',') == std::string::npos) {
        return std::nullopt;
    }
    return Origin{icao::placeOfCoordinates(key), std::nullopt};
}

Origin originAt(const std::optional<icao::AirportRecord>& airport) {
    return Origin{airport ? airport->place() : std::nullopt, airport};
}

icao::NearbyQuery nearbyQuery(const Origin& origin, const Arguments& arguments) {
    const std::size_t limit = arguments.format == Format::Svg
                                  ? std::min(arguments.limit, icao::kMostMarkedNeighbours)
                                  : arguments.limit;
    return {*origin.place, limit, arguments.filter,
            origin.record ? std::optional(origin.record->line) : std::nullopt};
}

// The columns, then the distance from the origin and the bearing to each.
std::vector<Column> withDistanceColumns(std::vector<Column> columns, const Arguments& arguments) {
    for (Column& column : distanceColumns("distance", arguments)) {
        columns.push_back(std::move(column));
    }
    columns.push_back({"bearing_deg"});
    return columns;
}

std::vector<Column> nearbyColumns(const Arguments& arguments) {
    return withDistanceColumns(filteredColumns(arguments), arguments);
}

std::vector<Cell> nearbyCells(const icao::AirportRecord& record, const icao::NearbyAirport& airport,
                              const Arguments& arguments) {
    std::vector<Cell> row = filteredCells(record, arguments);
    append(row, distanceAndCourseCells(airport.distanceKm, airport.bearing, 1, arguments));
    return row;
}

struct Nearby {
    Origin origin;
    std::vector<icao::NearbyAirport> airports;
};

// The key's origin and the airfields nearest it; none when the key names no place.
// Where the key places its origin: LAT,LON, else the airfield of its code; no place where it is
// neither.
icao::Expected<Origin> originOf(const std::string& key, const Arguments& arguments,
                                const std::filesystem::path& dataFile) {
    if (auto position = positionOf(key)) {
        return std::move(*position);
    }
    const auto airports = icao::airportsByCode({keyOf(key, arguments.raw)}, dataFile);
    if (!airports) {
        return airports.error();
    }
    return originAt(airports->front());
}

icao::Expected<std::optional<Nearby>> nearbyOf(const std::string& key, const Arguments& arguments,
                                               const std::filesystem::path& dataFile) {
    auto origin = originOf(key, arguments, dataFile);
    if (!origin) {
        return origin.error();
    }
    if (!origin->place) {
        return std::optional<Nearby>();
    }
    auto airports = icao::nearestAirports(nearbyQuery(*origin, arguments), dataFile);
    if (!airports) {
        return airports.error();
    }
    return std::optional(Nearby{std::move(*origin), std::move(*airports)});
}

int nearOne(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    const std::string& key = arguments.keys.front();
    const auto nearby = nearbyOf(key, arguments, dataFile);
    if (!nearby) {
        return reportError(nearby.error());
    }
    if (!*nearby) {
        // A number alone is half a place, not a code.
        if (key.find(',') != std::string::npos || icao::numberOf(key)) {
            warn(key + " is no place: give LAT,LON in decimal degrees, such as 51.47,-0.46");
            return kExitError;
        }
        warn("no airfield with coordinates has the code " +
             icao::toUtf8(keyOf(key, arguments.raw)));
        return kExitNotFound;
    }
    const auto& airports = (*nearby)->airports;
    if (airports.empty()) {
        warn(icao::utf8Of(dataFile) + " holds no other airfield" +
             (arguments.filter.kinds.any() || arguments.filter.readsRecords() ? " of those asked"
                                                                              : "") +
             " with coordinates");
        return kExitNotFound;
    }
    if (arguments.format == Format::Svg) {
        if (arguments.limit > airports.size() && airports.size() == icao::kMostMarkedNeighbours) {
            warn("the picture marks the nearest " + std::to_string(airports.size()) +
                 " airfields, the most it shows");
        }
        const Origin& origin = (*nearby)->origin;
        return drawNeighbourhood(origin.record ? origin.record->code : key, *origin.place,
                                 origin.record, airports, arguments);
    }
    printer.list(RowSource(nearbyColumns(arguments), airports.size(), [&](std::size_t i) {
        return nearbyCells(airports[i].item.record(), airports[i], arguments);
    }));
    if (asksKnownRunways(arguments)) {
        auto query = nearbyQuery((*nearby)->origin, arguments);
        query.filter = keepingUnknown(query.filter);
        if (const auto relaxed = icao::nearestAirports(query, dataFile)) {
            noteUnknownSetAside(arguments, printer, *relaxed);
        }
    }
    return kExitFound;
}

// find TEXT --navaids: the aids whose ident or name holds TEXT.
int findNavaidsOf(const Arguments& arguments, Printer& printer,
                  const std::filesystem::path& dataFile) {
    const auto navaids = navaidsBeside(dataFile);
    if (!navaids) {
        return kExitError;
    }
    const std::string& text = arguments.keys.front();
    const auto found = icao::findNavaids(*navaids, icao::decodeText(text), arguments.limit);
    if (found.empty()) {
        printer.notes() << "no navaid matches \"" << withVisibleControls(text) << "\"\n";
        return kExitNotFound;
    }
    printer.list(RowSource(navaidColumns(), found.size(),
                           [&found](std::size_t i) { return navaidCells(found[i]); }));
    return kExitFound;
}

// near ORIGIN --navaids: the aids nearest an airfield or a place, with distance and bearing.
int nearNavaidsOf(const Arguments& arguments, Printer& printer,
                  const std::filesystem::path& dataFile) {
    const std::string& key = arguments.keys.front();
    const auto origin = originOf(key, arguments, dataFile);
    if (!origin) {
        return reportError(origin.error());
    }
    if (!origin->place) {
        warn(key + " is no airfield with coordinates and no LAT,LON");
        return kExitNotFound;
    }
    const auto navaids = navaidsBeside(dataFile);
    if (!navaids) {
        return kExitError;
    }
    const auto nearby = icao::nearestNavaids(*navaids, *origin->place, arguments.limit);
    printer.list(RowSource(
        withDistanceColumns(navaidColumns(), arguments), nearby.size(), [&](std::size_t i) {
            std::vector<Cell> cells = navaidCells(nearby[i].navaid);
            append(cells,
                   distanceAndCourseCells(nearby[i].distanceKm, nearby[i].course, 1, arguments));
            return cells;
        }));
    return exitFor(!nearby.empty());
}

// Many origins in a row: the file is read once, into memory, and each key answered there.
int nearEach(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    const auto index = icao::AirportIndex::load(dataFile);
    if (!index) {
        return reportError(index.error());
    }
    // A filter that reads the records is applied once, not again for each key.
    const auto admitted = arguments.filter.readsRecords()
                              ? std::optional(icao::admittedItems(arguments.filter, *index))
                              : std::nullopt;
    const icao::RecordSource candidates =
        admitted ? icao::RecordSource(*admitted) : icao::RecordSource(*index);
    return answerEachKey(
        printer, nearbyColumns(arguments),
        [&](const std::string& key) -> icao::Expected<KeyedAnswer> {
            const auto position = positionOf(key);
            const Origin origin =
                position
                    ? *position
                    : originAt(icao::airportsByCode({keyOf(key, arguments.raw)}, *index)->front());
            if (!origin.place) {
                return KeyedAnswer{};
            }
            const auto airports = icao::nearestAirports(nearbyQuery(origin, arguments), candidates);
            if (!airports || airports->empty()) {
                return KeyedAnswer{};
            }
            icao::NearbyAirport nearest = airports->front();
            auto record = nearest.item.record();
            std::string code = record.code;
            return KeyedAnswer{std::move(code),
                               [record = std::move(record), nearest = std::move(nearest),
                                &arguments] { return nearbyCells(record, nearest, arguments); },
                               true};
        });
}

} // namespace

int runFind(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    return arguments.navaids   ? findNavaidsOf(arguments, printer, dataFile)
           : arguments.batch() ? findEach(arguments, printer, dataFile)
                               : findOne(arguments, printer, dataFile);
}

int runNear(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    return arguments.navaids   ? nearNavaidsOf(arguments, printer, dataFile)
           : arguments.batch() ? nearEach(arguments, printer, dataFile)
                               : nearOne(arguments, printer, dataFile);
}
