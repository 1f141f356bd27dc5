// SPDX-License-Identifier: MIT
#include "cli/distance_cells.h"

#include "records/geo.h"

#include <cmath>
#include <cstdio>
#include <iterator>

std::vector<Cell> distanceCells(double km, int shownDecimals) {
    return {Cell::measure(km / icao::kKmPerNauticalMile, shownDecimals, " NM"),
            Cell::measure(km, shownDecimals, " km")};
}

std::vector<Cell> distanceAndCourseCells(double km, double course, int shownDecimals) {
    std::vector<Cell> cells = distanceCells(km, shownDecimals);
    cells.push_back(Cell::course(course));
    return cells;
}

std::string totalDistanceText(double km) {
    const std::vector<Cell> cells = distanceCells(km, 0);
    return cells[0].shown + "  " + cells[1].shown;
}

Cell timeCell(double km, double knots) {
    const double minutes = km / (knots * icao::kKmPerNauticalMile) * 60;
    const long whole = std::lround(minutes);
    char shown[32];
    std::snprintf(shown, sizeof shown, "%ld:%02ld", whole / 60, whole % 60);
    char plain[32];
    std::snprintf(plain, sizeof plain, "%.1f", minutes);
    return {shown, plain, minutes};
}

void append(std::vector<Cell>& row, std::vector<Cell> cells) {
    std::move(cells.begin(), cells.end(), std::back_inserter(row));
}
