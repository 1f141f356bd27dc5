#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// What the command line of icao asks for.
struct Arguments {
    enum class Command { Help, Code, Name, Check };
    Command command = Command::Help;
    std::string key;
    bool raw = false;
    std::optional<std::string> file;
};

struct UsageError {
    std::string message;
};

// Parses the words after the program name.
std::variant<Arguments, UsageError> parseArguments(const std::vector<std::string>& words);

extern const char* const kUsage;
