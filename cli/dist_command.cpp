// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/distance_cells.h"
#include "cli/key_loop.h"
#include "cli/picture_output.h"
#include "records/airfield_details.h"
#include "records/magnetic_model.h"
#include "search/find.h"
#include "search/route_reading.h"

#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

namespace {

// The records a route's names are asked of, held in memory once the first name is asked: a
// route of codes alone is looked up in one pass over the file.
class RouteNames {
  public:
    explicit RouteNames(const std::filesystem::path& dataFile) : dataFile_(&dataFile) {}
    explicit RouteNames(icao::AirportIndex& index) : index_(&index) {}

    icao::NameFinder finder() {
        return {[this](const icao::Text& text, std::size_t limit) {
                    const auto index = held();
                    return index ? index->find(text, limit) : icao::FindResult{};
                },
                [this](const icao::Text& text, std::size_t limit) {
                    const auto index = held();
                    return index ? index->findStrong(text, limit) : icao::FindResult{};
                }};
    }

    // Why the records could not be held, once asked.
    std::optional<icao::FileError> error;

  private:
    icao::AirportIndex* held() {
        if (!index_ && !error) {
            auto loaded = icao::AirportIndex::load(*dataFile_);
            if (!loaded) {
                error = loaded.error();
                return nullptr;
            }
            loaded_.emplace(std::move(*loaded));
            index_ = &*loaded_;
        }
        return index_;
    }

    const std::filesystem::path* dataFile_ = nullptr;
    std::optional<icao::AirportIndex> loaded_;
    icao::AirportIndex* index_ = nullptr;
};

bool routeTooLong(std::size_t words) {
    if (words <= icao::kMaxRouteWords) {
        return false;
    }
    warn("a route of " + std::to_string(words) + " words is refused; it holds at most " +
         std::to_string(icao::kMaxRouteWords));
    return true;
}

std::string joined(const std::vector<std::string>& keys) {
    std::string text;
    for (const std::string& key : keys) {
        text.append(text.empty() ? "" : " ").append(key);
    }
    return text;
}

// The route as typed; with --raw each key one code exactly as it stands.
icao::Expected<icao::RouteReading> readingOf(const std::vector<std::string>& keys,
                                             const Arguments& arguments,
                                             const icao::RecordSource& source, RouteNames& names) {
    if (arguments.raw) {
        std::vector<icao::Text> codes;
        for (const std::string& key : keys) {
            codes.push_back(keyOf(key, true));
        }
        return icao::readCodes(codes, source);
    }
    auto reading = icao::readRoute(joined(keys), source, names.finder());
    if (names.error) {
        return *names.error;
    }
    return reading;
}

std::string airfieldText(const icao::AirportRecord& record) {
    return record.code + " " + record.name;
}

std::string candidatesText(const icao::RouteStop& stop) {
    std::string text;
    for (const icao::AirportRecord& candidate : stop.candidates) {
        text.append(text.empty() ? "" : ", ").append(airfieldText(candidate));
    }
    return text;
}

// How a stop was read, as a note says it and TSV shows it: "name \"heathrow\"".
std::string readingText(const icao::RouteStop& stop) {
    switch (stop.read) {
    case icao::StopRead::IcaoCode:
        return "code";
    case icao::StopRead::FormerCode:
        return "former code " + stop.given;
    case icao::StopRead::IataCode:
        return "IATA code " + stop.given;
    case icao::StopRead::Name:
        return "name \"" + stop.given + "\"";
    case icao::StopRead::Unread:
        break;
    }
    return "unread \"" + stop.given + "\"";
}

Cell readingCell(const icao::RouteStop& stop) {
    static constexpr const char* kReadAs[] = {"icao_code", "former_code", "iata_code", "name",
                                              "unread"};
    Cell cell = Cell::text(readingText(stop));
    cell.value = CellValue::Members{{"given", stop.given},
                                    {"read_as", kReadAs[static_cast<int>(stop.read)]}};
    return cell;
}

// Every stop that was not its own ICAO code, on standard error: what it was read as, and
// the other airfields a name may mean.
void noteReadings(const icao::RouteReading& reading) {
    for (const icao::RouteStop& stop : reading.stops) {
        if (stop.read == icao::StopRead::IcaoCode || !stop.airport) {
            continue;
        }
        warn(stop.given + ": read as " + airfieldText(*stop.airport) + ", by " +
             (stop.read == icao::StopRead::Name       ? "its name"
              : stop.read == icao::StopRead::IataCode ? "its IATA code"
                                                      : "a code it had before") +
             (stop.candidates.empty() ? "" : "; also " + candidatesText(stop)));
    }
}

// Each stop that names no airfield with coordinates, on standard error.
void reportUnknown(const icao::RouteReading& reading, const icao::Route& route) {
    for (const std::size_t at : route.unknown) {
        const icao::RouteStop& stop = reading.stops[at];
        if (stop.airport) {
            warn("no airfield with coordinates has the code " + stop.airport->code);
            continue;
        }
        warn("no airfield found for \"" + stop.given + '"' +
             (stop.candidates.empty() ? "" : "; did you mean " + candidatesText(stop)));
    }
}

// The total's columns, with its time where a speed is given.
std::vector<Column> totalColumns(const Arguments& arguments) {
    std::vector<Column> columns = distanceColumns("total", arguments);
    if (arguments.speedKnots) {
        columns.push_back({"total_time_min"});
    }
    return columns;
}

std::vector<Cell> totalCells(double km, int shownDecimals, const Arguments& arguments) {
    std::vector<Cell> cells = distanceCells(km, shownDecimals, arguments);
    if (arguments.speedKnots) {
        cells.push_back(timeCell(km, *arguments.speedKnots));
    }
    return cells;
}

int distOne(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    if (routeTooLong(arguments.raw ? arguments.keys.size()
                                   : icao::countRouteWords(joined(arguments.keys)))) {
        return kExitError;
    }
    RouteNames names(dataFile);
    const auto reading = readingOf(arguments.keys, arguments, dataFile, names);
    if (!reading) {
        return reportError(reading.error());
    }
    const icao::Route route = icao::routeThrough(*reading);
    if (!route.unknown.empty()) {
        reportUnknown(*reading, route);
        return kExitNotFound;
    }
    if (route.legs.empty()) {
        warn("a route needs two airfields or more");
        return kExitNotFound;
    }
    if (arguments.format == Format::Text) {
        noteReadings(*reading);
    }
    if (arguments.format == Format::Svg) {
        return drawRoute(route, arguments);
    }
    Table legs{{{"from"}, {"to"}}, {}};
    for (Column& column : distanceColumns("distance", arguments)) {
        legs.columns.push_back(std::move(column));
    }
    // The time beside the distance, so that the total's stands under the legs'.
    if (arguments.speedKnots) {
        legs.columns.push_back({"time_min"});
    }
    legs.columns.insert(legs.columns.end(), {{"course_deg"},
                                             {"initial_true_course", true},
                                             {"initial_magnetic_course", true},
                                             {"from_read", true},
                                             {"to_read", true}});
    // The magnetic course by the variation where each leg begins, today, as info gives it.
    const double year = icao::decimalYearOf(icao::secondsNow());
    for (std::size_t i = 0; i < route.legs.size(); ++i) {
        const icao::Leg& leg = route.legs[i];
        std::vector<Cell> row = {Cell::text(leg.from.code), Cell::text(leg.to.code)};
        append(row, totalCells(leg.distanceKm, 0, arguments));
        row.push_back(Cell::course(leg.course));
        const double variation = icao::airfieldVariation(leg.from, year).value_or(0);
        for (const double course : {leg.course, icao::magneticHeading(leg.course, variation)}) {
            Cell cell = Cell::course(course);
            cell.shown = cell.plain;
            row.push_back(std::move(cell));
        }
        row.push_back(readingCell(reading->stops[i]));
        row.push_back(readingCell(reading->stops[i + 1]));
        legs.rows.push_back(std::move(row));
    }
    printer.route(legs, Table{totalColumns(arguments), {totalCells(route.totalKm, 0, arguments)}});
    return kExitFound;
}

int distEach(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    // Many routes: the records held in memory once answer codes and names alike.
    auto index = icao::AirportIndex::load(dataFile);
    if (!index) {
        return reportError(index.error());
    }
    RouteNames names(*index);
    return answerEachKey(
        printer, totalColumns(arguments),
        [&](const std::string& line) -> icao::Expected<KeyedAnswer> {
            // With --raw, the line's words are its codes.
            std::istringstream split(line);
            const std::vector<std::string> keys =
                arguments.raw ? std::vector<std::string>{std::istream_iterator<std::string>(split),
                                                         std::istream_iterator<std::string>()}
                              : std::vector<std::string>{line};
            if (routeTooLong(arguments.raw ? keys.size() : icao::countRouteWords(line))) {
                return KeyedAnswer{};
            }
            const auto reading = readingOf(keys, arguments, *index, names);
            if (!reading) {
                return reading.error();
            }
            const icao::Route route = icao::routeThrough(*reading);
            if (route.legs.empty()) {
                return KeyedAnswer{};
            }
            const double km = route.totalKm;
            std::string summary = totalDistanceText(km, arguments);
            if (arguments.speedKnots) {
                summary += "  " + timeCell(km, *arguments.speedKnots).shown;
            }
            return KeyedAnswer{std::move(summary),
                               [km, &arguments] { return totalCells(km, 1, arguments); }, true};
        });
}

} // namespace

int runDist(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    return arguments.batch() ? distEach(arguments, printer, dataFile)
                             : distOne(arguments, printer, dataFile);
}
