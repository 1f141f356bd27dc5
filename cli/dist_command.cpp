// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/distance_cells.h"
#include "cli/key_loop.h"
#include "cli/output_file.h"
#include "cli/picture_output.h"
#include "cli/plan_input.h"
#include "plans/plan_formats.h"
#include "platform/path_text.h"
#include "records/airfield_details.h"
#include "records/magnetic_model.h"
#include "search/find.h"
#include "search/navaids.h"
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
    RouteNames(const std::filesystem::path& dataFile, icao::AirportIndex& index)
        : dataFile_(&dataFile), index_(&index) {}

    icao::NameFinder finder() {
        icao::NameFinder names{[this](const icao::Text& text, std::size_t limit) {
                                   const auto index = held();
                                   return index ? index->find(text, limit) : icao::FindResult{};
                               },
                               [this](const icao::Text& text, std::size_t limit) {
                                   const auto index = held();
                                   return index ? index->findStrong(text, limit)
                                                : icao::FindResult{};
                               }};
        names.navaids = [this](const std::string& ident) {
            return icao::navaidsWithIdent(navaids(), icao::decodeText(ident));
        };
        return names;
    }

    // Why the records could not be held, once asked.
    std::optional<icao::FileError> error;

  private:
    // The navaids beside the data file, read once a flight plan names one; none without the
    // file, where the idents are read as the airfields' codes are.
    const std::vector<icao::Navaid>& navaids() {
        if (!navaids_) {
            auto read = icao::readNavaids(icao::navaidsFileBeside(*dataFile_));
            navaids_ = read ? std::move(*read) : std::vector<icao::Navaid>();
        }
        return *navaids_;
    }

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
    std::optional<std::vector<icao::Navaid>> navaids_;
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
    const icao::ReadAs read = icao::readAs(stop.read);
    const bool quoted = stop.read == icao::StopRead::Name || stop.read == icao::StopRead::Unread;
    return stop.read == icao::StopRead::IcaoCode ? std::string(read.words)
           : quoted ? std::string(read.words) + " \"" + stop.given + "\""
                    : std::string(read.words) + " " + stop.given;
}

Cell readingCell(const icao::RouteStop& stop) {
    Cell cell = Cell::text(readingText(stop));
    cell.value = CellValue::Members{{"given", stop.given},
                                    {"read_as", std::string(icao::readAs(stop.read).key)},
                                    {"doubtful", stop.doubtful}};
    return cell;
}

// The words of a flight plan passed over between the stops of a leg: "DCT UN601" in text and
// TSV, each word and what it was in JSON.
Cell skippedCell(const std::vector<icao::SkippedWord>& words) {
    std::string shown;
    CellValue::List list;
    for (const icao::SkippedWord& word : words) {
        shown.append(shown.empty() ? "" : " ").append(word.word);
        list.emplace_back(CellValue::Members{
            {"word", word.word}, {"read_as", std::string(icao::passedOver(word.as).key)}});
    }
    return {shown, shown, std::move(list)};
}

// Why a word of a flight plan was passed over, as a note says it; none for DCT, which says so
// itself.
std::optional<std::string> skippedText(const icao::SkippedWord& word) {
    if (word.as == icao::PlanWord::Direct) {
        return std::nullopt;
    }
    const bool told = word.as == icao::PlanWord::Airway || word.as == icao::PlanWord::FiveLetters;
    return word.word + ": " + std::string(icao::passedOver(word.as).why) +
           (told ? "" : ", passed over");
}

// Every stop that was not its own ICAO code, on standard error: what it was read as, and
// the other airfields a name may mean; and every word of a flight plan passed over.
void noteReadings(const icao::RouteReading& reading) {
    const auto noteSkipped = [](const std::vector<icao::SkippedWord>& words) {
        for (const icao::SkippedWord& word : words) {
            if (const auto text = skippedText(word)) {
                warn(*text);
            }
        }
    };
    for (const icao::RouteStop& stop : reading.stops) {
        noteSkipped(stop.skippedBefore);
        if (stop.read == icao::StopRead::IcaoCode || !stop.airport) {
            continue;
        }
        if (stop.read == icao::StopRead::Point) {
            warn(stop.given + ": read as the point " + stop.airport->name);
            continue;
        }
        if (stop.read == icao::StopRead::Navaid) {
            warn(stop.given + ": read as the navaid " + airfieldText(*stop.airport) +
                 ", the nearest of that ident" +
                 (stop.candidates.empty() ? "" : "; also " + candidatesText(stop)));
            continue;
        }
        warn(stop.given + ": read as " + airfieldText(*stop.airport) + ", by " +
             (stop.read == icao::StopRead::Name               ? "its name"
              : stop.read == icao::StopRead::IataCode         ? "its IATA code"
              : stop.read == icao::StopRead::MetropolitanCode ? "its city's metropolitan code"
                                                              : "a code it had before") +
             (stop.candidates.empty() ? "" : "; also " + candidatesText(stop)) +
             (stop.doubtful ? "; doubtful: the first of those is about as likely" : ""));
    }
    noteSkipped(reading.skippedAfter);
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

// The route to the plan format's file, and on standard error what the format could not hold.
int writePlan(const icao::Route& route, const Arguments& arguments) {
    const auto now = icao::secondsNow();
    const icao::WrittenPlan written =
        icao::writePlan(icao::planOf(route, icao::decimalYearOf(now)), arguments.planFormat, now);
    for (const std::string& change : written.changes) {
        warn(change);
    }
    return writeOutput(written.text, arguments);
}

int distOne(const Arguments& given, Printer& printer, const std::filesystem::path& dataFile) {
    // A plan's route is read as its words typed.
    Arguments arguments = given;
    if (given.plan) {
        const auto text = routeTextOfPlanFile(icao::pathFromUtf8(*given.plan), dataFile);
        if (!text) {
            return reportError(text.error());
        }
        arguments.keys = {*text};
        arguments.raw = false;
    }
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
    if (arguments.format == Format::Plan) {
        return writePlan(route, arguments);
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
                                             {"to_read", true},
                                             {"from_kind", true},
                                             {"to_kind", true},
                                             {"skipped", true}});
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
        row.push_back(Cell::text(std::string(icao::nameOf(leg.fromKind))));
        row.push_back(Cell::text(std::string(icao::nameOf(leg.toKind))));
        // The words passed over before the first stop and after the last go with the legs
        // they begin and end.
        std::vector<icao::SkippedWord> skipped =
            i == 0 ? reading->stops[0].skippedBefore : std::vector<icao::SkippedWord>{};
        const auto& before = reading->stops[i + 1].skippedBefore;
        skipped.insert(skipped.end(), before.begin(), before.end());
        if (i + 1 == route.legs.size()) {
            skipped.insert(skipped.end(), reading->skippedAfter.begin(),
                           reading->skippedAfter.end());
        }
        row.push_back(skippedCell(skipped));
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
    RouteNames names(dataFile, *index);
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
