#include "arguments.h"

const char* const kUsage = R"(Usage: icao code KEY [--raw] [--file PATH]
       icao name KEY [--raw] [--file PATH]
       icao check [--file PATH]
       icao --help

Looks airports up in the data file, as the desktop program's windows do.

  code KEY     the code-to-name lookup: prints the airport name of the first record
               whose ICAO code is KEY, or "ICAO CODE NOT FOUND"
  name KEY     the name-to-code lookup: prints the ICAO code of the first record whose
               whole name, upper-cased, is KEY, or "AIRPORT NAME NOT FOUND"

  check        reads the data file as the lookups do and prints "LINE: reason" for
               every line a lookup treats differently from what it suggests: a comma
               or double quote that splits or shortens it, a record not laid out as
               marker|CODE|NAME|..., a code or name an earlier record already uses,
               a blank line or an item an empty key finds, a line that is not UTF-8
               and is read as Windows-1252; then a summary line

KEY is taken as if typed into the window's input box: letters a to z become A to Z and
leading and trailing spaces are ignored.

  --raw        take KEY exactly as it stands, as if pasted into the input box
  --file PATH  read PATH instead of airports.txt in the program's own folder
  --           end of options; a KEY that begins with "-" may follow
  --help       print this text

Exit status: 0 when a record matched, 1 when none did, 2 on an error; for check, 0 when
nothing was reported, 1 when something was, 2 when the file could not be read.
)";

std::variant<Arguments, UsageError> parseArguments(const std::vector<std::string>& words) {
    Arguments arguments;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.empty() || word[0] != '-' || word == "-") {
            positional.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "-h") {
            return Arguments{};
        } else if (word == "--raw") {
            arguments.raw = true;
        } else if (word == "--file") {
            if (i + 1 == words.size()) {
                return UsageError{"--file needs a path"};
            }
            arguments.file = words[++i];
        } else {
            return UsageError{"unknown option " + word};
        }
    }
    if (positional.empty()) {
        return UsageError{"no command given"};
    }
    const std::string& command = positional[0];
    if (command == "code") {
        arguments.command = Arguments::Command::Code;
    } else if (command == "name") {
        arguments.command = Arguments::Command::Name;
    } else if (command == "check") {
        arguments.command = Arguments::Command::Check;
        if (positional.size() != 1 || arguments.raw) {
            return UsageError{"check takes no KEY and no --raw"};
        }
        return arguments;
    } else {
        return UsageError{"unknown command " + command};
    }
    if (positional.size() != 2) {
        return UsageError{command + " takes exactly one KEY"};
    }
    arguments.key = positional[1];
    return arguments;
}
