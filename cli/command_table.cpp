// SPDX-License-Identifier: MIT
#include "cli/command_table.h"

#include "cli/commands.h"

#include <algorithm>
#include <array>
#include <iostream>

namespace {

constexpr std::array kOptions = {
    OptionSpec{Option::Limit, "--limit", "N"},
    OptionSpec{Option::Kind, "--kind", "LMSWHBC"},
    OptionSpec{Option::Country, "--country", "CC"},
    OptionSpec{Option::Region, "--region", "NAME"},
    OptionSpec{Option::MinRunway, "--min-runway", "LENGTH"},
    OptionSpec{Option::Surface, "--surface", "S"},
    OptionSpec{Option::Lighted, "--lighted", ""},
    OptionSpec{Option::Scheduled, "--scheduled", ""},
    OptionSpec{Option::Navaids, "--navaids", ""},
    OptionSpec{Option::Raw, "--raw", ""},
    OptionSpec{Option::Format, "--format", "F"},
    OptionSpec{Option::Header, "--header", ""},
    OptionSpec{Option::Output, "--output", "FILE"},
    OptionSpec{Option::Units, "--units", "UNIT"},
    OptionSpec{Option::Length, "--length", "UNIT"},
    OptionSpec{Option::Date, "--date", "DATE"},
    OptionSpec{Option::Speed, "--speed", "SPEED"},
    OptionSpec{Option::Plan, "--plan", "FILE"},
    OptionSpec{Option::File, "--file", "PATH"},
};

constexpr std::array kLookupOptions = {Option::Raw, Option::Format};
constexpr std::array kDistOptions = {Option::Raw,   Option::Format, Option::Header, Option::Output,
                                     Option::Units, Option::Speed,  Option::Plan};
constexpr std::array kFindOptions = {Option::Limit,   Option::Kind,      Option::Country,
                                     Option::Region,  Option::MinRunway, Option::Surface,
                                     Option::Lighted, Option::Scheduled, Option::Navaids,
                                     Option::Format,  Option::Header,    Option::Length};
constexpr std::array kNearOptions = {
    Option::Limit,   Option::Kind,    Option::Country,   Option::Region,  Option::MinRunway,
    Option::Surface, Option::Lighted, Option::Scheduled, Option::Navaids, Option::Raw,
    Option::Format,  Option::Header,  Option::Output,    Option::Units,   Option::Length};
constexpr std::array kNavaidOptions = {Option::Format, Option::Header};
constexpr std::array kInfoOptions = {Option::Raw, Option::Format, Option::Output, Option::Length,
                                     Option::Date};

int runHelp(const Arguments&, Printer&, const std::filesystem::path&) {
    std::cout << usageText();
    return kExitFound;
}

// The commands named on the command line, in the usage text's order, then those that an
// option asks for.
constexpr std::array kAllCommands = {
    CommandSpec{Command::Code, "code", "KEY", "KEY", Keys::One, kLookupOptions, "code KEY",
                R"(the code-to-name lookup: prints the airport name of the first record
whose ICAO code is KEY, or "ICAO CODE NOT FOUND"; for a code an airfield
had before, standard error names its current code)",
                false, runLookup},
    CommandSpec{Command::Name, "name", "KEY", "KEY", Keys::One, kLookupOptions, "name KEY",
                R"(the name-to-code lookup: prints the ICAO code of the first record whose
whole name, upper-cased, is KEY, or "AIRPORT NAME NOT FOUND")",
                false, runLookup},
    CommandSpec{Command::Find, "find", "TEXT", "TEXT", Keys::Words, kFindOptions, "find TEXT",
                R"(searches every record's ICAO code, name, municipality, alternate names,
country, region, IATA code, local code and former codes, ignoring letter case
and accents ("zurich" finds "Zürich Airport"), best first: exact ICAO code,
exact IATA code, ICAO code prefix, every word a whole word of the name,
municipality, alternate names, region or codes, every word the start of one,
TEXT anywhere; within each, larger airfields first, of one kind the more
prominent. When nothing matches better than TEXT anywhere, it suggests ("did
you mean") up to three records within one or two typing errors of TEXT, a
swap of two neighbouring letters counting as one; in TSV and JSON after the
hits, marked by the column "suggestion". TEXT holds at most 200 characters,
and may be several words, quoted or not (find new york). Without TEXT, with a
filter, it lists every airfield the filters keep (or --limit N), larger and
more prominent first (find --country CH --kind LM))",
                false, runFind},
    CommandSpec{Command::Dist, "dist", "STOP [STOP...]", "STOP", Keys::OneOrMore, kDistOptions,
                "dist STOP...",
                R"(the great-circle distance and the initial true course of each leg from one
airfield to the next, then the total, in nautical miles and kilometres, over
a spherical earth of mean radius 6,371.0088 km. A stop is an ICAO code, a
code the airfield had before, an IATA code or a name of one or more words,
apart by spaces, commas, dashes, "→", "to" or "via" ("heathrow to paris",
"EGLL,LFPG", "san francisco los angeles"); words that are not codes are
read as the fewest names that each match an airfield's words whole, as find
ranks them. TSV and JSON give each leg's initial_true_course and its
initial_magnetic_course, by the World Magnetic Model 2025 where the leg
begins, today. In text, standard error says how each stop that is not an ICAO
code was read (TSV and JSON: from_read and to_read); with --raw each STOP is
one code as it stands; with --format svg a map of the route, with gpx, kml,
geojson, fpl, fms, pln or icao a plan file of it, to standard output or
--output FILE; with --plan FILE the route of a plan file)",
                true, runDist},
    CommandSpec{Command::Near, "near", "CODE|LAT,LON", "ORIGIN", Keys::One, kNearOptions,
                "near ORIGIN",
                R"(the airfields nearest an airfield's CODE or a place given as LAT,LON in
decimal degrees (north and east positive), nearest first, with distance and
initial true course (bearing) from the origin; with --format svg a map of
them around the origin, with rings at round distances)",
                true, runNear},
    CommandSpec{Command::Info, "info", "CODE [CODE...]", "CODE", Keys::OneOrMore, kInfoOptions,
                "info CODE...",
                R"(everything the data file tells of each airfield: ICAO, IATA, local and former
codes, name, kind, municipality, region, country code and name, position in
decimal degrees and in degrees and minutes, elevation, the magnetic variation
today (World Magnetic Model 2025, east positive), time zone with its UTC
offset and the local time now (from the system's time-zone database; none
where it does not know the zone), civil dawn, sunrise, sunset and civil dusk
of the day at the airfield in UTC and local time (none on a polar day or
night, which text says; --date for another day), runways (ends, length and
width in feet, surface, lighting, true and magnetic headings), radio
frequencies in MHz, alternate names and the radio navigation aids within
10 NM (from navaids.txt beside the data file, where it stands); in JSON a list of objects (for keys
from "-" one object a line, with "found"); with --format svg a map of one
airfield and its runways)",
                true, runInfo},
    CommandSpec{Command::Navaid, "navaid", "IDENT [IDENT...]", "IDENT", Keys::OneOrMore,
                kNavaidOptions, "navaid IDENT...",
                R"(the radio navigation aids of each ident (VOR, VOR-DME, VORTAC, DME, NDB,
NDB-DME, TACAN), from navaids.txt beside the data file: ident, name, type,
frequency (kHz for an NDB, MHz for the others), country and the airfield it
serves; in TSV and JSON also its position, elevation, magnetic variation and
DME channel. One ident names aids in many countries: each is listed)",
                false, runNavaid},
    CommandSpec{Command::Check,
                "check",
                "",
                "KEY",
                Keys::None,
                {},
                "check",
                R"(reads the data file as the lookups do and prints "LINE: reason" for
every line a lookup treats differently from what it suggests: a comma
or double quote that splits or shortens it, a record not laid out as
marker|CODE|NAME|..., a code or name an earlier record already uses,
a blank line or an item an empty key finds, a line that is not UTF-8
and is read as Windows-1252; then a summary line)",
                false,
                runCheck},
    CommandSpec{Command::Help, "--help", "", "", Keys::None, {}, "", "", false, runHelp},
    CommandSpec{Command::Version, "--version", "", "", Keys::None, {}, "", "", false, runVersion},
};
constexpr auto kCommands = std::span(kAllCommands).first(kAllCommands.size() - 2);

// The usage text's other parts, between the commands' entries and the options'.
constexpr std::string_view kSummary =
    "Looks airports up in the data file, as the desktop program's windows do, and more.\n\n";

constexpr std::string_view kKeys =
    R"(KEY and CODE are taken as if typed into the window's input box: letters a to z become A to
Z and leading and trailing spaces are ignored. A single key of "-" reads keys from standard
input, one per line (for dist, a line holds a route), and prints one answer for
each, in order: in text "KEY<TAB>RESULT", where RESULT is what the single command prints, or
for find and near the ICAO code of the best hit, for dist the total distance, for info the
name and the local time.
)";

// Each option's entry, as --help lists them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 22> kOptionHelp = {{
    {"--raw", "take KEY or CODE exactly as it stands, as if pasted into the input box"},
    {"--limit N", R"(find and near print at most N airfields (default 10, at least 1); exact
ICAO and IATA code hits of find are never cut off; near's picture marks
1000 at most)"},
    {"--kind K", R"(find and near list only airfields of these kinds: L large, M medium, S
small airport, W seaplane base, H heliport, B balloonport, C closed)"},
    {"--country CC", "only airfields of this country, by its ISO 3166 code (GB, US)"},
    {"--region NAME", R"(only airfields of this region as the data names it (England,
California), in any letter case)"},
    {"--min-runway L", R"(only airfields with a runway at least this long, with its unit:
2000m or 6500ft; the runway's conditions, this, --surface and --lighted,
hold for one runway together, named in the column qualifying_runway)"},
    {"--surface S", R"(only airfields with a runway of this surface: paved (asphalt, concrete),
unpaved (grass, gravel, dirt) or water; a runway of no known surface has
none of them, and a note says how many airfields were left out for that;
any (the default) asks no surface)"},
    {"--lighted", "only airfields with a lighted runway"},
    {"--scheduled", R"(only airfields with scheduled service, as the data says (in a file that
does not say, those with an IATA code))"},
    {"--navaids", R"(find and near list radio navigation aids from navaids.txt beside the
data file instead of airfields: find by ident or name, near the nearest aids)"},
    {"--format F", R"(text (default): aligned columns; tsv: tab-separated values under a
header line; csv: RFC 4180 comma-separated values under a header line; json:
JSON, one object per line for keys from "-"; svg (dist, near, info): a map as
an SVG picture; for dist a plan file: gpx (GPX 1.1), kml (KML 2.2), geojson
(RFC 7946), fpl (Garmin FlightPlan v1), fms (X-Plane 11), pln (Microsoft
Flight Simulator) or icao (an ICAO flight plan's route, Item 15); for find,
near and info gpx, kml or geojson: a point a record, its fields beside it,
info's runways as lines in kml and geojson)"},
    {"--header", R"(text output begins with a line naming its columns, as TSV's header
line does)"},
    {"--output FILE", R"(write the picture of --format svg, or a plan file, to FILE instead of
standard output: whole or not at all, never over a data file)"},
    {"--plan FILE", R"(dist reads its route from a plan file instead of STOPs: GPX, KML,
GeoJSON, Garmin FPL, X-Plane FMS, MSFS PLN or a text holding a route, told by
its content; a waypoint is the airfield or navaid it names where that lies
within 5 km of its place, else a point)"},
    {"--units UNIT", R"(dist and near give distances in this unit alone in text and TSV: nm
(nautical miles), km or mi (statute miles); JSON keeps its keys, distance_nm
and distance_km; without it, nautical miles and kilometres; a map's rings
and scale bar in the unit, kilometres without it)"},
    {"--length UNIT", R"(find, near and info give lengths and elevations in ft (the default) or
m in text and TSV; JSON keeps feet, its keys ending in _ft)"},
    {"--date DATE", R"(info gives the sun's times and the magnetic variation of this day,
YYYY-MM-DD from 1900 to 2200, instead of today at the airfield)"},
    {"--speed SPEED", R"(dist gives each leg's time en route and the total at this ground speed,
a number and a unit: kt, km/h or mph (450kt, 800km/h), from 1 to 5000 kt)"},
    {"--file PATH", "read PATH instead of airports.txt in the program's own folder"},
    {"--", R"(end of options; a KEY that begins with "-" may follow)"},
    {"--version", R"(print the program's version, its licence, the data file's record count
and the shipped data's source, date and licence)"},
    {"-h, --help", "print this text"},
}};

constexpr std::string_view kClosing =
    R"(An option's value may follow it as the next word or after "=" (--limit=5).

Exit status: 0 when a record matched (with keys from "-", every key), 1 when none did
(some key did not; for dist, a stop named no airfield with coordinates), 2 on an error,
among them a write error on standard output; for check, 0 when nothing was reported, 1
when something was, 2 when the file could not be read.
)";

// An entry of the usage text: the label in a column of its own, then the lines of its help,
// every line after the first indented to where the first began.
std::string entry(std::string_view label, std::string_view help, std::size_t column) {
    std::string text(2, ' ');
    const std::string indent(column, ' ');
    // A label too long for its column stands on a line of its own, the help under it.
    if (2 + label.size() + 1 > column) {
        text.append(label).append("\n").append(indent);
    } else {
        text.append(label).append(column - 2 - label.size(), ' ');
    }
    for (std::size_t start = 0; start <= help.size();) {
        const std::size_t end = std::min(help.find('\n', start), help.size());
        text.append(start == 0 ? "" : indent).append(help.substr(start, end - start)) += '\n';
        start = end + 1;
    }
    return text;
}

// A command's synopsis, its options wrapped to lines of at most kUsageWidth characters, each
// line after the first indented, then set under the command's keys.
constexpr std::size_t kUsageWidth = 96;

std::string synopsis(const CommandSpec& command, std::string_view indent) {
    // Built in steps: GCC 12 warns wrongly of overlap in a chain of additions.
    std::string head = "icao ";
    head.append(command.name);
    std::string line = head;
    if (!command.arguments.empty()) {
        line.append(" ").append(command.arguments);
    }
    std::string text;
    for (const OptionSpec& option : kOptions) {
        if (!takes(command, option.option)) {
            continue;
        }
        std::string part = "[";
        part.append(option.name);
        if (!option.value.empty()) {
            part.append(" ").append(option.value);
        }
        part.append("]");
        if (indent.size() + line.size() + 1 + part.size() > kUsageWidth) {
            text.append(line).append("\n").append(indent);
            line = std::string(head.size(), ' ');
        }
        line.append(" ").append(part);
    }
    return text.append(line);
}

} // namespace

std::span<const OptionSpec> optionSpecs() {
    return kOptions;
}

const OptionSpec& specOf(Option option) {
    return kOptions[static_cast<std::size_t>(option)];
}

std::span<const CommandSpec> commandSpecs() {
    return kCommands;
}

const CommandSpec* findCommand(std::string_view name) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [name](const CommandSpec& spec) { return spec.name == name; });
    return found == kCommands.end() ? nullptr : &*found;
}

const CommandSpec& specOf(Command command) {
    return *std::find_if(kAllCommands.begin(), kAllCommands.end(),
                         [command](const CommandSpec& spec) { return spec.command == command; });
}

bool takes(const CommandSpec& command, Option option) {
    return option == Option::File || std::find(command.options.begin(), command.options.end(),
                                               option) != command.options.end();
}

std::string usageText() {
    constexpr std::string_view kIndent = "       ";
    std::string text;
    for (const CommandSpec& command : kCommands) {
        text.append(text.empty() ? "Usage: " : kIndent).append(synopsis(command, kIndent)) += '\n';
    }
    text.append(kIndent).append("icao --version [--file PATH]\n");
    text.append(kIndent).append("icao -h | --help\n\n").append(kSummary);
    for (const CommandSpec& command : kCommands) {
        text += entry(command.label, command.help, 15);
    }
    text.append("\n").append(kKeys).append("\n");
    for (const auto& [label, help] : kOptionHelp) {
        text += entry(label, help, 18);
    }
    text.append("\n").append(kClosing);
    return text;
}
