// SPDX-License-Identifier: MIT
#include "cli/arguments.h"

#include <charconv>
#include <map>

const char* const kUsage = R"(Usage: icao code KEY [--raw] [--format F] [--file PATH]
       icao name KEY [--raw] [--format F] [--file PATH]
       icao find TEXT [--limit N] [--format F] [--file PATH]
       icao dist CODE CODE [CODE...] [--raw] [--format F] [--file PATH]
       icao near CODE|LAT,LON [--limit N] [--kind LMSWHBC] [--raw] [--format F] [--file PATH]
       icao check [--file PATH]
       icao --version [--file PATH]
       icao -h | --help

Looks airports up in the data file, as the desktop program's windows do, and more.

  code KEY     the code-to-name lookup: prints the airport name of the first record
               whose ICAO code is KEY, or "ICAO CODE NOT FOUND"
  name KEY     the name-to-code lookup: prints the ICAO code of the first record whose
               whole name, upper-cased, is KEY, or "AIRPORT NAME NOT FOUND"
  find TEXT    searches every record's ICAO code, name, municipality, alternate names,
               country and IATA code, ignoring letter case and accents ("zurich" finds
               "Zürich Airport"), best first: exact ICAO code, exact IATA code, ICAO code
               prefix, every word a whole word of the name, municipality or alternate
               names, every word the start of one, TEXT anywhere; within each, larger
               airfields first. When nothing matches better than TEXT anywhere, it
               suggests ("did you mean") up to three records within one or two typing
               errors of TEXT, a swap of two neighbouring letters counting as one. TEXT
               holds at most 200 characters
  dist CODE... the great-circle distance and the initial true course of each leg from one
               airfield to the next, then the total, in nautical miles and kilometres, over
               a spherical earth of mean radius 6,371.0088 km
  near ORIGIN  the airfields nearest an airfield's CODE or a place given as LAT,LON in
               decimal degrees (north and east positive), nearest first, with distance and
               initial true course (bearing) from the origin
  check        reads the data file as the lookups do and prints "LINE: reason" for
               every line a lookup treats differently from what it suggests: a comma
               or double quote that splits or shortens it, a record not laid out as
               marker|CODE|NAME|..., a code or name an earlier record already uses,
               a blank line or an item an empty key finds, a line that is not UTF-8
               and is read as Windows-1252; then a summary line

KEY and CODE are taken as if typed into the window's input box: letters a to z become A to
Z and leading and trailing spaces are ignored. A single key of "-" reads keys from standard
input, one per line (for dist, a line holds a route's codes), and prints one answer for
each, in order: in text "KEY<TAB>RESULT", where RESULT is what the single command prints, or
for find and near the ICAO code of the best hit, for dist the total distance.

  --raw           take KEY or CODE exactly as it stands, as if pasted into the input box
  --limit N       find and near print at most N airfields (default 10, at least 1); exact
                  ICAO and IATA code hits of find are never cut off
  --kind K        near lists only airfields of these kinds: L large, M medium, S small
                  airport, W seaplane base, H heliport, B balloonport, C closed
  --format F      text (default): aligned columns; tsv: tab-separated values under a
                  header line; json: JSON, one object per line for keys from "-"
  --file PATH     read PATH instead of airports.txt in the program's own folder
  --              end of options; a KEY that begins with "-" may follow
  --version       print the program's version, its licence, the data file's record count
                  and the shipped data's source, date and licence
  -h, --help      print this text

An option's value may follow it as the next word or after "=" (--limit=5).

Exit status: 0 when a record matched (with keys from "-", every key), 1 when none did
(some key did not; for dist, a code named no airfield with coordinates), 2 on an error,
among them a write error on standard output; for check, 0 when nothing was reported, 1
when something was, 2 when the file could not be read.
)";

namespace {

using Command = Arguments::Command;

const std::map<std::string, Command> kCommands = {
    {"code", Command::Code},   {"name", Command::Name}, {"find", Command::Find},
    {"check", Command::Check}, {"dist", Command::Dist}, {"near", Command::Near},
};

const std::map<std::string, Format> kFormats = {
    {"text", Format::Text},
    {"tsv", Format::Tsv},
    {"json", Format::Json},
};

// Which options a command takes, besides --file.
struct Takes {
    bool raw;
    bool limit;
    bool kind;
    bool format;
};

Takes takesOf(Command command) {
    switch (command) {
    case Command::Code:
    case Command::Name:
    case Command::Dist:
        return {true, false, false, true};
    case Command::Find:
        return {false, true, false, true};
    case Command::Near:
        return {true, true, true, true};
    default:
        return {false, false, false, false};
    }
}

std::optional<UsageError> checkKeys(const std::string& command, const Arguments& arguments) {
    const std::size_t count = arguments.keys.size();
    switch (arguments.command) {
    case Command::Check:
        return count == 0 ? std::nullopt : std::optional(UsageError{"check takes no KEY"});
    case Command::Dist:
        return count >= 2 || arguments.batch()
                   ? std::nullopt
                   : std::optional(UsageError{"dist takes two CODEs or more, or -"});
    default:
        return count == 1 ? std::nullopt
                          : std::optional(UsageError{command + " takes exactly one " +
                                                     (command == "find"   ? "TEXT"
                                                      : command == "near" ? "ORIGIN"
                                                                          : "KEY")});
    }
}

} // namespace

std::variant<Arguments, UsageError> parseArguments(const std::vector<std::string>& words) {
    Arguments arguments;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    bool version = false;
    Takes given{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.empty() || word[0] != '-' || word == "-") {
            positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string option = word.substr(0, equals);
        std::optional<std::string> attached;
        if (equals != std::string::npos) {
            attached = word.substr(equals + 1);
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (attached) {
                return attached;
            }
            return i + 1 < words.size() ? std::optional(words[++i]) : std::nullopt;
        };
        const bool flag =
            option == "--help" || option == "-h" || option == "--version" || option == "--raw";
        if (flag && attached) {
            return UsageError{option + " takes no value"};
        }
        if (option == "--help" || option == "-h") {
            return Arguments{};
        } else if (option == "--version") {
            version = true;
        } else if (option == "--raw") {
            arguments.raw = given.raw = true;
        } else if (option == "--file") {
            arguments.file = value();
            if (!arguments.file || arguments.file->empty()) {
                return UsageError{"--file needs a path"};
            }
        } else if (option == "--limit") {
            const auto number = value().value_or("");
            const auto [end, error] =
                std::from_chars(number.data(), number.data() + number.size(), arguments.limit);
            if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
                arguments.limit == 0) {
                return UsageError{"--limit needs a whole number of at least 1"};
            }
            given.limit = true;
        } else if (option == "--kind") {
            const std::string markers = value().value_or("");
            for (const char marker : markers) {
                const auto kind = icao::kindOfMarker(static_cast<unsigned char>(marker));
                if (kind == icao::AirfieldKind::Unknown) {
                    return UsageError{"--kind takes letters of LMSWHBC"};
                }
                arguments.kinds.set(static_cast<std::size_t>(kind));
            }
            if (markers.empty()) {
                return UsageError{"--kind takes letters of LMSWHBC"};
            }
            given.kind = true;
        } else if (option == "--format") {
            const auto format = kFormats.find(value().value_or(""));
            if (format == kFormats.end()) {
                return UsageError{"--format takes text, tsv or json"};
            }
            arguments.format = format->second;
            given.format = true;
        } else {
            return UsageError{"unknown option " + option};
        }
    }
    if (version) {
        if (!positional.empty() || given.raw || given.limit || given.kind || given.format) {
            return UsageError{"--version takes no command and no option but --file"};
        }
        arguments.command = Command::Version;
        return arguments;
    }
    if (positional.empty()) {
        return UsageError{"no command given"};
    }
    const auto command = kCommands.find(positional[0]);
    if (command == kCommands.end()) {
        return UsageError{"unknown command " + positional[0]};
    }
    arguments.command = command->second;
    arguments.keys.assign(positional.begin() + 1, positional.end());
    const Takes takes = takesOf(arguments.command);
    for (const auto& [isGiven, isTaken, name] :
         {std::tuple(given.raw, takes.raw, "--raw"),
          std::tuple(given.limit, takes.limit, "--limit"),
          std::tuple(given.kind, takes.kind, "--kind"),
          std::tuple(given.format, takes.format, "--format")}) {
        if (isGiven && !isTaken) {
            return UsageError{positional[0] + " takes no " + name};
        }
    }
    if (auto error = checkKeys(positional[0], arguments)) {
        return *error;
    }
    return arguments;
}
