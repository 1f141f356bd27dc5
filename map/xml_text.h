// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace icao {

// Text as XML character data or an attribute's value: markup escaped, and every character XML
// 1.0 does not allow (controls but tab, line feed and carriage return; U+FFFE, U+FFFF; bytes
// that are not UTF-8) replaced by U+FFFD, so that the file always parses and a reader sees
// that something stood there.
std::string xmlText(std::string_view text);

} // namespace icao
