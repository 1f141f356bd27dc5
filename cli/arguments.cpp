#include "cli/arguments.h"

#include <charconv>
#include <map>

const char* const kUsage = R"(Usage: icao code KEY [--raw] [--file PATH]
       icao name KEY [--raw] [--file PATH]
       icao find TEXT [--limit N] [--format text|tsv|json] [--file PATH]
       icao check [--file PATH]
       icao --version [--file PATH]
       icao --help

Looks airports up in the data file, as the desktop program's windows do.

  code KEY     the code-to-name lookup: prints the airport name of the first record
               whose ICAO code is KEY, or "ICAO CODE NOT FOUND"
  name KEY     the name-to-code lookup: prints the ICAO code of the first record whose
               whole name, upper-cased, is KEY, or "AIRPORT NAME NOT FOUND"
  find TEXT    searches every record's ICAO code, name, municipality, country and IATA
               code, ignoring letter case and accents ("zurich" finds "Zürich Airport"),
               best first: exact ICAO code, exact IATA code, ICAO code prefix, every
               word a whole word of the name or municipality, every word the start of
               one, TEXT anywhere. When nothing matches it suggests ("did you mean")
               up to three records within one or two typing errors of TEXT
  check        reads the data file as the lookups do and prints "LINE: reason" for
               every line a lookup treats differently from what it suggests: a comma
               or double quote that splits or shortens it, a record not laid out as
               marker|CODE|NAME|..., a code or name an earlier record already uses,
               a blank line or an item an empty key finds, a line that is not UTF-8
               and is read as Windows-1252; then a summary line

KEY is taken as if typed into the window's input box: letters a to z become A to Z and
leading and trailing spaces are ignored. A KEY or TEXT of "-" reads keys from standard
input, one per line, and prints "KEY<TAB>RESULT" for each, in order; for find, RESULT is
the ICAO code of the best hit, or nothing.

  --raw           take KEY exactly as it stands, as if pasted into the input box
  --limit N       find prints at most N hits (default 10); exact ICAO and IATA code
                  hits are never cut off
  --format F      find prints aligned text (default), tsv with a header line, or json
  --file PATH     read PATH instead of airports.txt in the program's own folder
  --              end of options; a KEY that begins with "-" may follow
  --version       print the program's version and the data file's record count and
                  last-modified date
  --help          print this text

Exit status: 0 when a record matched (in batch mode, every key), 1 when none did (some
key did not), 2 on an error; for check, 0 when nothing was reported, 1 when something
was, 2 when the file could not be read.
)";

namespace {

const std::map<std::string, Arguments::Command> kCommands = {
    {"code", Arguments::Command::Code},
    {"name", Arguments::Command::Name},
    {"find", Arguments::Command::Find},
    {"check", Arguments::Command::Check},
};

const std::map<std::string, icao::FindFormat> kFormats = {
    {"text", icao::FindFormat::Text},
    {"tsv", icao::FindFormat::Tsv},
    {"json", icao::FindFormat::Json},
};

} // namespace

std::variant<Arguments, UsageError> parseArguments(const std::vector<std::string>& words) {
    Arguments arguments;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    bool version = false;
    bool limitGiven = false;
    bool formatGiven = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const auto value = [&]() -> std::optional<std::string> {
            return i + 1 < words.size() ? std::optional(words[++i]) : std::nullopt;
        };
        if (optionsEnded || word.empty() || word[0] != '-' || word == "-") {
            positional.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "-h") {
            return Arguments{};
        } else if (word == "--version") {
            version = true;
        } else if (word == "--raw") {
            arguments.raw = true;
        } else if (word == "--file") {
            arguments.file = value();
            if (!arguments.file) {
                return UsageError{"--file needs a path"};
            }
        } else if (word == "--limit") {
            const auto number = value().value_or("");
            const auto [end, error] =
                std::from_chars(number.data(), number.data() + number.size(), arguments.limit);
            if (number.empty() || error != std::errc() || end != number.data() + number.size()) {
                return UsageError{"--limit needs a whole number"};
            }
            limitGiven = true;
        } else if (word == "--format") {
            const auto format = kFormats.find(value().value_or(""));
            if (format == kFormats.end()) {
                return UsageError{"--format takes text, tsv or json"};
            }
            arguments.format = format->second;
            formatGiven = true;
        } else {
            return UsageError{"unknown option " + word};
        }
    }
    if (version) {
        if (!positional.empty()) {
            return UsageError{"--version takes no command"};
        }
        arguments.command = Arguments::Command::Version;
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
    const bool finding = arguments.command == Arguments::Command::Find;
    if ((limitGiven || formatGiven) && !finding) {
        return UsageError{"--limit and --format go with find"};
    }
    if (arguments.command == Arguments::Command::Check) {
        if (positional.size() != 1 || arguments.raw) {
            return UsageError{"check takes no KEY and no --raw"};
        }
        return arguments;
    }
    if (positional.size() != 2) {
        return UsageError{positional[0] +
                          (finding ? " takes exactly one TEXT" : " takes exactly one KEY")};
    }
    arguments.key = positional[1];
    return arguments;
}
