// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/distance_cells.h"
#include "cli/key_loop.h"
#include "cli/navaid_cells.h"
#include "cli/picture_output.h"
#include "cli/record_table.h"
#include "cli/runway_cells.h"
#include "lookup/record_layout.h"
#include "records/airfield_details.h"
#include "records/sun_times.h"
#include "search/airports_by_code.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace {

using icao::AirfieldDetails;
using icao::AirportRecord;

std::string utf8(const icao::Text& text) {
    return icao::toUtf8(text);
}

const std::vector<Column> kInfoFootColumns = {
    {"icao", false, "ICAO code"},
    {"iata", false, "IATA code"},
    {"local_code", false, "local code"},
    {"former_codes", false, "former codes"},
    {"name"},
    {"kind"},
    {"municipality"},
    {"region"},
    {"country"},
    {"country_name", false, "country name"},
    {"latitude"},
    {"longitude"},
    {"elevation_ft", false, "elevation"},
    {"magnetic_variation", false, "magnetic variation"},
    {"magnetic_model_valid", true},
    {"timezone", false, "time zone"},
    {"utc_offset", false, "UTC offset"},
    {"local_time", false, "local time"},
    {"civil_dawn", false, "civil dawn"},
    {"sunrise"},
    {"sunset"},
    {"civil_dusk", false, "civil dusk"},
    {"runways"},
    {"frequencies"},
    {"navaids"},
    {"keywords", false, "also known as"},
};

// The columns, the elevation's named for its unit.
std::vector<Column> infoColumns(icao::LengthUnit unit) {
    std::vector<Column> columns = kInfoFootColumns;
    for (Column& column : columns) {
        if (column.name == "elevation_ft" && unit == icao::LengthUnit::Metre) {
            column.name = "elevation_m";
        }
    }
    return columns;
}

// A coordinate: in text beside its degrees and minutes, in TSV as the record writes it, in
// JSON as a number.
Cell degreesCell(const icao::AirportRecord& record, bool latitude) {
    const auto place = record.place();
    Cell cell = coordinateCell(record, place, latitude);
    if (place) {
        cell.shown +=
            "  " + icao::degreesAndMinutes(latitude ? place->latitude : place->longitude, latitude);
    }
    return cell;
}

// A runway's parts as text shows them, in a column each.
std::vector<Cell> runwayTextCells(const icao::Runway& runway, icao::LengthUnit unit,
                                  std::optional<double> variation) {
    icao::RunwayWords words = icao::runwayWords(runway, unit, variation);
    return {Cell::text(std::move(words.ends)), Cell::text(std::move(words.size)),
            Cell::text(std::move(words.surface)), Cell::text(std::move(words.lighting)),
            Cell::text(std::move(words.headings))};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

// The aids beside the data file, or only those within reach of one of the places where they
// are known; none where it has no navaids.txt, for the airfields' answers stand without it.
std::optional<std::vector<icao::Navaid>>
navaidsIfAny(const std::filesystem::path& dataFile,
             const std::optional<std::vector<icao::Place>>& places = std::nullopt) {
    auto navaids =
        icao::readNavaids(icao::navaidsFileBeside(dataFile), [&places](const icao::Navaid& navaid) {
            return !places ||
                   std::any_of(places->begin(), places->end(), [&navaid](const icao::Place& place) {
                       return icao::distanceKm(place, navaid.place) <= icao::kAirfieldNavaidsKm;
                   });
        });
    return navaids ? std::optional(std::move(*navaids)) : std::nullopt;
}

// The aids within reach of the airfield, nearest first: in text a line each, in columns
// ("LON  VOR-DME  113.60 MHz  1.0 NM  1.9 km  346°"), TSV their idents, JSON a list of objects;
// null where the place or the aids are not known.
Cell navaidsCell(const std::optional<icao::Place>& place,
                 const std::optional<std::vector<icao::Navaid>>& navaids,
                 const Arguments& arguments) {
    if (!place || !navaids) {
        return Cell::missing();
    }
    Table parts{{{"ident"}, {"type"}, {"frequency"}}, {}};
    for (const Column& column : distanceColumns("distance", arguments)) {
        parts.columns.push_back(column);
    }
    parts.columns.push_back({"bearing"});
    CellValue::List values;
    std::string idents;
    for (const icao::NearbyNavaid& aid :
         icao::nearestNavaids(*navaids, *place, navaids->size(), icao::kAirfieldNavaidsKm)) {
        std::vector<Cell> row{Cell::text(aid.navaid.ident), Cell::text(aid.navaid.type),
                              Cell::text(icao::frequencyWords(aid.navaid))};
        append(row, distanceAndCourseCells(aid.distanceKm, aid.course, 1, arguments));
        parts.rows.push_back(std::move(row));
        idents += (idents.empty() ? "" : " ") + aid.navaid.ident;
        values.push_back(CellValue::Members{
            {"ident", aid.navaid.ident},
            {"type", aid.navaid.type},
            {"frequency", CellValue::orNull(icao::numberOf(aid.navaid.frequency))},
            {"distance_nm", aid.distanceKm / icao::kKmPerNauticalMile},
            {"distance_km", aid.distanceKm},
            {"bearing", aid.course}});
    }
    return Cell::lined(linesOf(alignedText(parts)), std::move(idents), std::move(values));
}

Cell runwaysCell(const AirportRecord& record, const AirfieldDetails& details,
                 icao::LengthUnit unit) {
    Table parts{{{"ends"}, {"size"}, {"surface"}, {"lighting"}, {"headings"}}, {}};
    CellValue::List runways;
    for (const icao::Runway& runway : details.runways) {
        parts.rows.push_back(runwayTextCells(runway, unit, details.magneticVariation));
        runways.push_back(runwayValue(runway, details.magneticVariation));
    }
    // A part no runway has (the surface, often) takes no column.
    for (std::size_t column = parts.columns.size(); column-- > 0;) {
        if (std::all_of(parts.rows.begin(), parts.rows.end(),
                        [column](const auto& row) { return row[column].shown.empty(); })) {
            parts.columns.erase(parts.columns.begin() + static_cast<std::ptrdiff_t>(column));
            for (auto& row : parts.rows) {
                row.erase(row.begin() + static_cast<std::ptrdiff_t>(column));
            }
        }
    }
    return Cell::lined(linesOf(alignedText(parts)), record.runways, std::move(runways));
}

Cell frequenciesCell(const AirportRecord& record, const AirfieldDetails& details) {
    std::vector<std::string> lines;
    CellValue::Members frequencies;
    const auto taken = [&frequencies](const std::string& key) {
        return std::any_of(frequencies.begin(), frequencies.end(),
                           [&key](const auto& member) { return member.first == key; });
    };
    for (const icao::RadioFrequency& frequency : details.frequencies) {
        lines.push_back(icao::frequencyWords(frequency));
        // A name again (a second tower) takes a number, so that JSON keeps every frequency.
        std::string key = frequency.name;
        for (int n = 2; taken(key); ++n) {
            key = frequency.name + "_" + std::to_string(n);
        }
        frequencies.emplace_back(std::move(key), frequency.megahertz);
    }
    return Cell::lined(std::move(lines), record.frequencies, std::move(frequencies));
}

// East positive, in degrees; "1.0° W" in text, which says where the model is carried past the
// years it is made for.
Cell variationCell(const AirfieldDetails& details) {
    if (!details.magneticVariation) {
        return Cell::missing();
    }
    char plain[32];
    std::snprintf(plain, sizeof plain, "%.1f", *details.magneticVariation);
    std::string shown = icao::variationText(*details.magneticVariation);
    if (!details.magneticModelValid) {
        shown += " (carried past the model's years, 2025 to 2029: less sure)";
    }
    return {shown, plain, *details.magneticVariation};
}

// The day whose sun info tells: the one asked, else today at the airfield, this far ahead of
// UTC (0 where its zone is not known).
std::chrono::sys_days sunDayOf(int aheadOfUtc, const Arguments& arguments,
                               std::chrono::sys_seconds now) {
    if (arguments.date) {
        return *arguments.date;
    }
    return icao::dayInZone(now, aheadOfUtc);
}

// A crossing of the sun: its time in UTC and, where the zone is known, local, as text shows
// it; ISO 8601 UTC in TSV and JSON; none on a day it does not come, which text says.
Cell sunCell(const std::optional<std::chrono::sys_seconds>& at, const icao::SunCrossing& crossing,
             bool twilight, const AirfieldDetails& details, icao::ZoneClock& clock) {
    if (!at) {
        Cell none = Cell::missing();
        none.shown = icao::whyNoCrossing(crossing, twilight);
        return none;
    }
    using namespace std::chrono;
    const auto day = floor<days>(*at);
    const year_month_day date(day);
    const hh_mm_ss time(*at - day);
    char iso[32];
    std::snprintf(iso, sizeof iso, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    const auto local = clock.timeIn(details.timeZone, *at);
    return {icao::crossingWords(*at, local ? std::optional(local->utcOffsetSeconds) : std::nullopt,
                                crossing.again),
            iso, std::string(iso)};
}

Cell textOrMissing(const std::string& text) {
    return text.empty() ? Cell::missing() : Cell::text(text);
}

std::vector<Cell> infoCells(const AirportRecord& record, const AirfieldDetails& details,
                            const Arguments& arguments, std::chrono::sys_seconds now,
                            icao::ZoneClock& clock,
                            const std::optional<std::vector<icao::Navaid>>& navaids) {
    const icao::LengthUnit unit = arguments.shownLength();
    const auto place = record.place();
    // The day is the airfield's date in its zone, where that is known.
    const int aheadOfUtc = details.zoneTime ? details.zoneTime->utcOffsetSeconds : 0;
    const icao::SunTimes sun =
        place ? icao::sunTimesOn(*place, sunDayOf(aheadOfUtc, arguments, now), aheadOfUtc)
              : icao::SunTimes{};
    Cell zone = textOrMissing(details.timeZone);
    if (!details.timeZone.empty() && !details.zoneTime) {
        zone.shown += " (not known to this system: no local time)";
    }
    Cell offset = Cell::missing();
    Cell localTime = Cell::missing();
    if (details.zoneTime) {
        offset = Cell::text(icao::utcOffsetText(details.zoneTime->utcOffsetSeconds));
        localTime = Cell::text(details.zoneTime->localTime);
        localTime.shown[localTime.shown.find('T')] = ' ';
    }
    Cell elevation = elevationCell(record, unit);
    Cell former = details.formerCodes.empty() ? Cell::missing() : Cell::text(record.formerCodes);
    if (!details.formerCodes.empty()) {
        former.value = details.formerCodes;
    }
    Cell keywords = Cell::text(record.keywords);
    keywords.value = details.alternateNames;
    return {Cell::text(record.code),
            textOrMissing(record.iata),
            textOrMissing(record.localCode),
            std::move(former),
            Cell::text(record.name),
            textOrMissing(std::string(icao::kindName(record.kind()))),
            textOrMissing(record.municipality),
            textOrMissing(record.region),
            textOrMissing(record.country),
            textOrMissing(details.countryName),
            degreesCell(record, true),
            degreesCell(record, false),
            std::move(elevation),
            variationCell(details),
            details.magneticVariation ? Cell::truth(details.magneticModelValid) : Cell::missing(),
            std::move(zone),
            std::move(offset),
            std::move(localTime),
            place ? sunCell(sun.civil.up, sun.civil, true, details, clock) : Cell::missing(),
            place ? sunCell(sun.sun.up, sun.sun, false, details, clock) : Cell::missing(),
            place ? sunCell(sun.sun.down, sun.sun, false, details, clock) : Cell::missing(),
            place ? sunCell(sun.civil.down, sun.civil, true, details, clock) : Cell::missing(),
            runwaysCell(record, details, unit),
            frequenciesCell(record, details),
            navaidsCell(place, navaids, arguments),
            std::move(keywords)};
}

// An airfield asked by a code it had before is answered under its current code, and told so.
void noteFormerCode(const icao::Text& asked, std::string_view code) {
    const std::string askedCode = utf8(asked);
    if (askedCode != code) {
        warn(askedCode + " is a former code of " + std::string(code));
    }
}

// What text prints after a key from standard input: the name, and the local time where known.
std::string summaryOf(std::string_view name, const std::string& timeZone,
                      const std::optional<icao::ZoneTime>& zoneTime) {
    std::string summary(name);
    if (zoneTime) {
        summary += "; " + timeZone + " " + zoneTime->localTime.substr(11) + " UTC" +
                   icao::utcOffsetText(zoneTime->utcOffsetSeconds);
    }
    return summary;
}

int infoEach(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    const auto index = icao::AirportIndex::load(dataFile);
    if (!index) {
        return reportError(index.error());
    }
    icao::ZoneClock clock;
    const auto navaids = navaidsIfAny(dataFile);
    // As the other commands' keys from "-": each answer says whether the key was found.
    std::vector<Column> columns = infoColumns(arguments.shownLength());
    columns.push_back({"found"});
    return answerEachKey(
        printer, columns, [&](const std::string& key) -> icao::Expected<KeyedAnswer> {
            const icao::Text code = keyOf(key, arguments.raw);
            const auto item = index->itemByCode(code);
            if (!item) {
                return KeyedAnswer{{}, [] {
                                       std::vector<Cell> cells(kInfoFootColumns.size(),
                                                               Cell::missing());
                                       cells.push_back(Cell::truth(false));
                                       return cells;
                                   }};
            }
            // Text prints the summary alone: the record is made whole only for a format that
            // prints its cells.
            const std::string text = icao::decodedUtf8(item->bytes);
            const icao::RecordFields fields(text);
            const auto now = icao::secondsNow();
            const std::string timeZone(fields[icao::RecordField::TimeZone]);
            noteFormerCode(code, fields[icao::RecordField::Code]);
            std::string summary =
                summaryOf(fields[icao::RecordField::Name], timeZone, clock.timeIn(timeZone, now));
            return KeyedAnswer{std::move(summary),
                               [&clock, &arguments, &navaids, item = *item, now] {
                                   const auto record =
                                       AirportRecord::fromItem(item.bytes, item.line);
                                   std::vector<Cell> cells = infoCells(
                                       record, icao::detailsOf(record, now, clock, arguments.date),
                                       arguments, now, clock, navaids);
                                   cells.push_back(Cell::truth(true));
                                   return cells;
                               },
                               true};
        });
}

// The airfield's map, where the record places it.
int drawOne(const icao::Text& code, const std::optional<AirportRecord>& record,
            const Arguments& arguments) {
    if (!record) {
        warn("no airfield has the code " + utf8(code));
        return kExitNotFound;
    }
    if (!record->place()) {
        warn(utf8(code) + " has no coordinates to draw it by");
        return kExitNotFound;
    }
    return drawAirfield(*record, arguments);
}

int infoOf(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    std::vector<icao::Text> codes;
    for (const std::string& word : arguments.keys) {
        codes.push_back(keyOf(word, arguments.raw));
    }
    const auto records = icao::airportsByCode(codes, dataFile);
    if (!records) {
        return reportError(records.error());
    }
    if (arguments.format == Format::Svg) {
        return drawOne(codes.front(), records->front(), arguments);
    }
    Table table{infoColumns(arguments.shownLength()), {}};
    const auto instant = icao::secondsNow();
    icao::ZoneClock clock;
    std::vector<icao::Place> places;
    for (const auto& record : *records) {
        if (const auto place = record ? record->place() : std::nullopt) {
            places.push_back(*place);
        }
    }
    const auto navaids = navaidsIfAny(dataFile, places);
    bool allFound = true;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const auto& record = (*records)[i];
        if (!record) {
            warn("no airfield has the code " + utf8(codes[i]));
            allFound = false;
            continue;
        }
        noteFormerCode(codes[i], record->code);
        table.rows.push_back(infoCells(*record,
                                       icao::detailsOf(*record, instant, clock, arguments.date),
                                       arguments, instant, clock, navaids));
    }
    // JSON gives a list, empty when no code was found, so that it always parses.
    if (!table.rows.empty() || arguments.format == Format::Json) {
        printer.details(table);
    }
    return exitFor(allFound);
}

} // namespace

int runInfo(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    return arguments.batch() ? infoEach(arguments, printer, dataFile)
                             : infoOf(arguments, printer, dataFile);
}
