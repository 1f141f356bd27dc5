// SPDX-License-Identifier: MIT
#include "cli/distance_cells.h"

#include <cmath>
#include <cstdio>
#include <iterator>

std::vector<icao::DistanceUnit> distanceUnitsOf(const Arguments& arguments) {
    if (!arguments.distanceUnit || arguments.format == Format::Json) {
        return {icao::DistanceUnit::NauticalMile, icao::DistanceUnit::Kilometre};
    }
    return {*arguments.distanceUnit};
}

std::vector<Column> distanceColumns(std::string_view prefix, const Arguments& arguments) {
    std::vector<Column> columns;
    for (const icao::DistanceUnit unit : distanceUnitsOf(arguments)) {
        std::string name(prefix);
        name.append("_").append(icao::nameOf(unit).key);
        columns.push_back({std::move(name)});
    }
    return columns;
}

std::vector<Cell> distanceCells(double km, int shownDecimals, const Arguments& arguments) {
    std::vector<Cell> cells;
    for (const icao::DistanceUnit unit : distanceUnitsOf(arguments)) {
        Cell cell = Cell::measure(icao::distanceIn(km, unit), shownDecimals, "");
        if (std::isfinite(km)) {
            cell.shown = icao::distanceWords(km, unit, shownDecimals);
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

std::vector<Cell> distanceAndCourseCells(double km, double course, int shownDecimals,
                                         const Arguments& arguments) {
    std::vector<Cell> cells = distanceCells(km, shownDecimals, arguments);
    cells.push_back(Cell::course(course));
    return cells;
}

std::string totalDistanceText(double km, const Arguments& arguments) {
    std::string text;
    for (const Cell& cell : distanceCells(km, 0, arguments)) {
        text.append(text.empty() ? "" : "  ").append(cell.shown);
    }
    return text;
}

Cell timeCell(double km, double knots) {
    const icao::FlyingTime time = icao::flyingTime(km, knots);
    char plain[32];
    std::snprintf(plain, sizeof plain, "%.1f", time.minutes);
    return {time.shown, plain, time.minutes};
}

void append(std::vector<Cell>& row, std::vector<Cell> cells) {
    std::move(cells.begin(), cells.end(), std::back_inserter(row));
}
