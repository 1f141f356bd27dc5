// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/distance_cells.h"
#include "cli/key_loop.h"
#include "cli/picture_output.h"
#include "cli/record_table.h"
#include "lookup/record_layout.h"
#include "records/airfield_details.h"
#include "search/airports_by_code.h"
#include "sheet/airfield_sheet.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace {

using icao::AirportRecord;

std::string utf8(const icao::Text& text) {
    return icao::toUtf8(text);
}

// The sheet's entries as columns, the elevation's named for its unit.
std::vector<Column> infoColumns(icao::LengthUnit unit) {
    std::vector<Column> columns;
    for (icao::SheetEntry& entry : icao::airfieldSheetHeadings(unit)) {
        columns.push_back({std::move(entry.key), entry.machineOnly, std::move(entry.label)});
    }
    return columns;
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

// An entry as a cell: in text its lines, their parts lined up in columns two spaces apart.
Cell cellOf(icao::SheetEntry entry) {
    std::vector<std::string> lines;
    if (std::any_of(entry.lines.begin(), entry.lines.end(),
                    [](const auto& line) { return line.size() > 1; })) {
        Table parts{std::vector<Column>(entry.lines.front().size()), {}};
        for (const auto& line : entry.lines) {
            std::vector<Cell> row;
            for (const std::string& part : line) {
                row.push_back(Cell::text(part));
            }
            parts.rows.push_back(std::move(row));
        }
        lines = linesOf(alignedText(parts));
    } else {
        for (const auto& line : entry.lines) {
            lines.push_back(line.front());
        }
    }
    Cell cell{lines.empty() ? std::string() : lines.front(), std::move(entry.plain),
              std::move(entry.value)};
    if (lines.size() > 1) {
        cell.lines = std::move(lines);
    }
    return cell;
}

std::vector<Cell> infoCells(const AirportRecord& record, const Arguments& arguments,
                            std::chrono::sys_seconds now, icao::ZoneClock& clock,
                            const std::optional<std::vector<icao::Navaid>>& navaids) {
    const auto place = record.place();
    std::optional<std::vector<icao::NearbyNavaid>> nearby;
    if (place && navaids) {
        nearby = icao::nearestNavaids(*navaids, *place, navaids->size(), icao::kAirfieldNavaidsKm);
    }
    const icao::SheetTerms terms{arguments.shownLength(), distanceUnitsOf(arguments),
                                 arguments.date, now};
    std::vector<Cell> cells;
    for (icao::SheetEntry& entry : icao::airfieldSheet(
             record, icao::detailsOf(record, now, clock, arguments.date), nearby, terms, clock)) {
        cells.push_back(cellOf(std::move(entry)));
    }
    return cells;
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
                return KeyedAnswer{{}, [count = columns.size() - 1] {
                                       std::vector<Cell> cells(count, Cell::missing());
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
                                   std::vector<Cell> cells =
                                       infoCells(record, arguments, now, clock, navaids);
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
        table.rows.push_back(infoCells(*record, arguments, instant, clock, navaids));
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
