// SPDX-License-Identifier: MIT
#pragma once

#include "sheet/sheet_value.h"

#include <string>
#include <string_view>

namespace icao {

// A JSON string: quotes, backslashes and controls escaped, what is not UTF-8 replaced.
std::string jsonText(std::string_view text);
// A value as JSON, a number in the fewest digits that read back as it.
std::string jsonOf(const SheetValue& value);

} // namespace icao
