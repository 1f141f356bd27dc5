// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/box.h"
#include "platform/expected.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace icao {

enum class Outcome { Found, NotFound };

inline constexpr char32_t kCodeNotFound[] = U"ICAO CODE NOT FOUND";
inline constexpr char32_t kNameNotFound[] = U"AIRPORT NAME NOT FOUND";

// SEARCH of the code-to-name window: finds the first record whose code (positions 3 to 6)
// equals the trimmed input and writes its name into the output box, or kCodeNotFound. Both
// boxes are locked once the file is open; a file that cannot be opened changes no box.
Expected<Outcome> codeToName(Box& input, Box& output, const std::filesystem::path& dataFile);
// The same SEARCH, watchBytes seeing the bytes read as DataFile::watchBytes shows them.
Expected<Outcome> codeToNameWatching(Box& input, Box& output, const std::filesystem::path& dataFile,
                                     const std::function<void(std::string_view)>& watchBytes);

// SEARCH of the name-to-code window: finds the first record whose whole name, upper-cased,
// equals the trimmed input and writes its code, upper-cased, into the output box; when none
// does, writes kNameNotFound into the input box.
Expected<Outcome> nameToCode(Box& input, Box& output, const std::filesystem::path& dataFile);

} // namespace icao
