// SPDX-License-Identifier: MIT
#pragma once

#include "cli/table.h"

#include <string>
#include <vector>

// A distance in nautical miles and kilometres, shown with this many decimals.
std::vector<Cell> distanceCells(double km, int shownDecimals);
// A distance, then the course to fly it.
std::vector<Cell> distanceAndCourseCells(double km, double course, int shownDecimals);
// A route's total as text prints it: "3338 NM  6182 km".
std::string totalDistanceText(double km);

// The time to fly a distance at a ground speed: "1:05" (hours and minutes) in text, minutes in
// TSV (one decimal) and JSON.
Cell timeCell(double km, double knots);

void append(std::vector<Cell>& row, std::vector<Cell> cells);
