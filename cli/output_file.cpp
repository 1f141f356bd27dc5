// SPDX-License-Identifier: MIT
#include "cli/output_file.h"

#include "cli/commands.h"
#include "platform/path_text.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <system_error>

namespace {

// A name beside FILE that no other file has, for the text while it is written.
std::filesystem::path temporaryBeside(const std::filesystem::path& file) {
    std::random_device seed;
    std::filesystem::path temporary;
    do {
        // Built in steps: GCC 12 warns wrongly of overlap in one chain of additions.
        std::string name = file.filename().string();
        name.insert(0, 1, '.');
        name += '.';
        name += std::to_string(seed());
        name += ".part";
        temporary = file;
        temporary.replace_filename(name);
    } while (std::filesystem::exists(temporary));
    return temporary;
}

} // namespace

int writeOutput(const std::string& text, const Arguments& arguments) {
    if (!arguments.output) {
        std::cout << text;
        return kExitFound;
    }
    const std::filesystem::path output = icao::pathFromUtf8(*arguments.output);
    const std::filesystem::path temporary = temporaryBeside(output);
    std::error_code error;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        if (!file) {
            error.assign(errno ? errno : EIO, std::generic_category());
        }
    }
    if (!error) {
        std::filesystem::rename(temporary, output, error);
    }
    if (error) {
        std::error_code unused;
        std::filesystem::remove(temporary, unused);
        warn(*arguments.output + ": cannot be written: " + error.message());
        return kExitError;
    }
    return kExitFound;
}
