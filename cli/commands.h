// SPDX-License-Identifier: MIT
#pragma once

#include "cli/arguments.h"
#include "cli/printer.h"
#include "lookup/text.h"
#include "platform/expected.h"

#include <filesystem>

// The commands of icao, each a CommandHandler that the command table names.
int runLookup(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile);
int runCheck(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile);
int runVersion(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile);
int runFind(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile);
int runDist(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile);
int runNear(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile);
int runInfo(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile);
int runNavaid(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile);

inline constexpr int kExitFound = 0;
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitError = 2;

inline int exitFor(bool found) {
    return found ? kExitFound : kExitNotFound;
}

// Names the file and the reason on standard error; yields kExitError.
int reportError(const icao::FileError& error);

// A code or key as the command line gives it: as if typed into a window's input box (a to z
// raised, spaces around dropped), or as it stands with --raw.
icao::Text keyOf(const std::string& word, bool raw);
