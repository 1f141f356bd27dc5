// SPDX-License-Identifier: MIT
#include "cli/picture_output.h"

#include "cli/commands.h"
#include "platform/path_text.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

int writePicture(const std::string& picture, const Arguments& arguments) {
    if (!arguments.output) {
        std::cout << picture;
        return kExitFound;
    }
    std::ofstream file(icao::pathFromUtf8(*arguments.output), std::ios::binary | std::ios::trunc);
    if (file) {
        file << picture;
        file.close();
    }
    if (!file) {
        std::cerr << "icao: " << *arguments.output
                  << ": cannot be written: " << std::strerror(errno) << '\n';
        return kExitError;
    }
    return kExitFound;
}
