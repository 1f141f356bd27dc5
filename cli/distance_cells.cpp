// SPDX-License-Identifier: MIT
#include "cli/distance_cells.h"

#include "records/geo.h"

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

void append(std::vector<Cell>& row, std::vector<Cell> cells) {
    std::move(cells.begin(), cells.end(), std::back_inserter(row));
}
