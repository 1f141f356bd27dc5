// SPDX-License-Identifier: MIT
#pragma once

#include "cli/table.h"

#include <string>
#include <vector>

// A value as JSON, as icao has always laid it out: members after ", ", a value after ": ", a
// number in the fewest digits that read back as it; with rowsApart, the elements of a list of
// rows on lines of their own.
std::string laidOut(const CellValue& value, bool rowsApart = true);

// A row as an object, a member a column.
CellValue::Members objectOf(const std::vector<Column>& columns, const std::vector<Cell>& cells);
