// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

// The commands and options of icao, described once: parsing, the usage text, the man page's
// synopsis and the bash completion all follow this table (a test holds the last two to it).

enum class Command { Help, Version, Code, Name, Find, Check, Dist, Near, Info, Navaid };

struct Arguments;
class Printer;

// A command's work: prints its answer through the printer of the format asked for and yields
// the exit status.
using CommandHandler = int (*)(const Arguments& arguments, Printer& printer,
                               const std::filesystem::path& dataFile);

// The options a command may take besides --file, in the order a synopsis lists them.
enum class Option {
    Limit,
    Kind,
    Country,
    Region,
    MinRunway,
    Surface,
    Lighted,
    Scheduled,
    Navaids,
    Raw,
    Format,
    Header,
    Output,
    Units,
    Length,
    Date,
    Speed,
    Plan,
    File
};

struct OptionSpec {
    Option option;
    std::string_view name;  // "--limit"
    std::string_view value; // the value's name in the synopsis, "N"; empty for a flag
};

// How many keys a command takes after its name.
// Words: one or more, read as one text apart by spaces, as a shell splits what is typed.
enum class Keys { None, One, OneOrMore, Words };

struct CommandSpec {
    Command command;
    std::string_view name;
    // What follows the name in the synopsis ("STOP [STOP...]"), and what a key is called
    // in a usage error ("TEXT").
    std::string_view arguments;
    std::string_view keyName;
    Keys keys;
    // Besides --file, in synopsis order.
    std::span<const Option> options;
    // The usage text's entry: its label ("dist CODE...") and its lines.
    std::string_view label;
    std::string_view help;
    // Whether --format svg draws its answer.
    bool draws;
    CommandHandler run;
};

// Every option that a command takes, in synopsis order; --file last, taken by all.
std::span<const OptionSpec> optionSpecs();
const OptionSpec& specOf(Option option);

// The commands named on the command line, in the usage text's order.
std::span<const CommandSpec> commandSpecs();
const CommandSpec* findCommand(std::string_view name);
// Any command, --help and --version among them.
const CommandSpec& specOf(Command command);
bool takes(const CommandSpec& command, Option option);

// What icao --help prints.
std::string usageText();
