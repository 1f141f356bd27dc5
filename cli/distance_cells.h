// SPDX-License-Identifier: MIT
#pragma once

#include "cli/arguments.h"
#include "cli/table.h"

#include <string>
#include <string_view>
#include <vector>

// The units distances are given in: the one asked for in text and TSV, else nautical miles and
// kilometres.
std::vector<icao::DistanceUnit> distanceUnitsOf(const Arguments& arguments);
// The columns of a distance, "distance_nm" and "distance_km" for the prefix "distance": those
// of the unit asked for in text and TSV, else nautical miles and kilometres; JSON keeps both
// keys whatever is asked.
std::vector<Column> distanceColumns(std::string_view prefix, const Arguments& arguments);
// A distance under those columns, shown with this many decimals.
std::vector<Cell> distanceCells(double km, int shownDecimals, const Arguments& arguments);
// A distance, then the course to fly it.
std::vector<Cell> distanceAndCourseCells(double km, double course, int shownDecimals,
                                         const Arguments& arguments);
// A route's total as text prints it: "3338 NM  6182 km".
std::string totalDistanceText(double km, const Arguments& arguments);

// The time to fly a distance at a ground speed: "1:05" (hours and minutes) in text, minutes in
// TSV (one decimal) and JSON.
Cell timeCell(double km, double knots);

void append(std::vector<Cell>& row, std::vector<Cell> cells);
