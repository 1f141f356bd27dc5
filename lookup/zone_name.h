// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace icao {

// The longest time-zone name accepted: the longest IANA name has 32 characters.
inline constexpr std::size_t kMaxZoneName = 64;

// Whether a record's TIME ZONE field has the form of an IANA time-zone name ("Europe/London",
// "America/Argentina/Buenos_Aires", "Etc/GMT+1"): letters, digits, "_", "-", "+" and "/", parts
// between "/" neither empty nor "." or "..", at most kMaxZoneName characters. A system's zone
// database may read a name as a path below its folder, so no other text is ever looked up.
constexpr bool isZoneName(std::string_view name) {
    if (name.empty() || name.size() > kMaxZoneName) {
        return false;
    }
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '/') {
            const std::string_view part = name.substr(partStart, i - partStart);
            if (part.empty() || part == "." || part == "..") {
                return false;
            }
            partStart = i + 1;
            continue;
        }
        const char c = name[i];
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                             (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '+';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

} // namespace icao
