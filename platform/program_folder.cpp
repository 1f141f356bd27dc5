// SPDX-License-Identifier: MIT
#include "platform/program_folder.h"

#include "platform/platform.h"

namespace icao {

std::filesystem::path programFolder(const char* argv0) {
    auto executable = platform::executablePath();
    if (executable.empty()) {
        std::error_code error;
        executable = std::filesystem::absolute(argv0 ? argv0 : "", error);
    }
    return executable.parent_path();
}

} // namespace icao
