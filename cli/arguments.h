#pragma once

#include "cli/find_output.h"
#include "search/find.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// What the command line of icao asks for.
struct Arguments {
    enum class Command { Help, Version, Code, Name, Find, Check };
    Command command = Command::Help;
    // The key or find text; "-" reads keys from standard input, one per line.
    std::string key;
    bool raw = false;
    std::optional<std::string> file;
    std::size_t limit = icao::kDefaultFindLimit;
    icao::FindFormat format = icao::FindFormat::Text;

    bool batch() const { return key == "-"; }
};

struct UsageError {
    std::string message;
};

// Parses the words after the program name.
std::variant<Arguments, UsageError> parseArguments(const std::vector<std::string>& words);

extern const char* const kUsage;
