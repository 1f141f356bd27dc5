// SPDX-License-Identifier: MIT
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/printers.h"
#include "lookup/data_file.h"
#include "platform/path_text.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "search/navaids.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <new>

namespace {

int run(const Arguments& arguments, const char* argv0) {
    const std::filesystem::path dataFile = arguments.file
                                               ? icao::pathFromUtf8(*arguments.file)
                                               : icao::dataFilePath(icao::programFolder(argv0));
    if (arguments.output && icao::isDataFile(icao::pathFromUtf8(*arguments.output), dataFile)) {
        warn(*arguments.output + ": is a data file being read; it is not written over");
        return kExitError;
    }
    const auto printer = makePrinter(arguments);
    return specOf(arguments.command).run(arguments, *printer, dataFile);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    icao::platform::prepareStandardStreams();
    const auto parsed = parseArguments(icao::platform::commandLineArguments(argc, argv));
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        warn(error->message);
        std::cerr << "Try 'icao --help'.\n";
        return kExitError;
    }
    int status = kExitError;
    try {
        status = run(std::get<Arguments>(parsed), argc > 0 ? argv[0] : nullptr);
    } catch (const std::bad_alloc&) {
        warn("out of memory");
        return kExitError;
    }
    // A full disk or a closed pipe must not pass for success. A write that failed already
    // left its reason behind; the commands stop at once after it.
    const int earlier = std::cout ? 0 : errno;
    errno = 0;
    if (!std::cout.flush()) {
        const int reason = earlier ? earlier : errno;
        warn(std::string("cannot write the output") +
             (reason ? " (" + std::string(std::strerror(reason)) + ")" : ""));
        return kExitError;
    }
    return status;
}
