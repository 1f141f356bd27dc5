// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace icao {

// The folder that holds the running program's executable, where its data file stands.
// argv0 is the fallback where the platform cannot name the executable.
std::filesystem::path programFolder(const char* argv0);

} // namespace icao
