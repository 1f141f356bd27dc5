// SPDX-License-Identifier: MIT
#include "cli/distance_cells.h"

#include "records/geo.h"

#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

struct Unit {
    DistanceUnit unit;
    std::string_view key;   // "nm", in a column's name
    std::string_view shown; // " NM", after a number in text
    double km;              // how many kilometres one is
};

constexpr Unit kUnits[] = {
    {DistanceUnit::NauticalMile, "nm", " NM", icao::kKmPerNauticalMile},
    {DistanceUnit::Kilometre, "km", " km", 1.0},
    {DistanceUnit::StatuteMile, "mi", " mi", 1.609344},
};

std::vector<Unit> unitsOf(const Arguments& arguments) {
    if (!arguments.distanceUnit || arguments.format == Format::Json) {
        return {kUnits[0], kUnits[1]};
    }
    return {kUnits[static_cast<std::size_t>(*arguments.distanceUnit)]};
}

} // namespace

std::vector<Column> distanceColumns(std::string_view prefix, const Arguments& arguments) {
    std::vector<Column> columns;
    for (const Unit& unit : unitsOf(arguments)) {
        std::string name(prefix);
        name.append("_").append(unit.key);
        columns.push_back({std::move(name)});
    }
    return columns;
}

std::vector<Cell> distanceCells(double km, int shownDecimals, const Arguments& arguments) {
    std::vector<Cell> cells;
    for (const Unit& unit : unitsOf(arguments)) {
        cells.push_back(Cell::measure(km / unit.km, shownDecimals, unit.shown));
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
