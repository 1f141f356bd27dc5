// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace icao {

// A line of RFC 4180's comma-separated values, ending CR LF: a value holding a comma, a quote
// or a line end is quoted, its quotes doubled. A text a spreadsheet would take for a formula
// (=, +, - or @ first, and no number) begins with an apostrophe, so that opening the file runs
// nothing from the data.
std::string csvLine(const std::vector<std::string>& values);

} // namespace icao
