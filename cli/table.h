// SPDX-License-Identifier: MIT
#pragma once

#include "sheet/sheet_value.h"

#include <cmath>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// The value JSON carries for a cell; the same value an airfield's sheet gives.
using CellValue = icao::SheetValue;

// One value of a table, as each format shows it: text with units where it has them, TSV as a
// plain number or text, JSON as a number, true, false, null or a string.
struct Cell {
    std::string shown;
    std::string plain;
    CellValue value;
    // Where text shows the cell over several lines, as an airfield's details do its runways;
    // otherwise shown.
    std::vector<std::string> lines = {};

    static Cell text(std::string text);
    static Cell truth(bool truth);
    // Empty; null in JSON.
    static Cell missing();
    // A measure shown with this many decimals and its unit ("5540 km"), one decimal in TSV,
    // whole in JSON.
    static Cell measure(double value, int shownDecimals, std::string_view unit);
    // A course in whole degrees, shown as "288°".
    static Cell course(double degrees);
    // A number as a record writes it: its text, and in JSON the number, or null where the
    // text is no number.
    static Cell recordNumber(std::string text, std::optional<double> number);
    // Shown over these lines in text.
    static Cell lined(std::vector<std::string> lines, std::string plain, CellValue value);
};

struct Column {
    std::string name;
    // Carried by TSV and JSON only; text shows the other columns.
    bool detail = false;
    // What text calls the column where it names it, as an airfield's details do; else name.
    std::string label = {};
};

// Rows of cells under columns: what every command but check prints, in any format.
struct Table {
    std::vector<Column> columns;
    std::vector<std::vector<Cell>> rows;
};

// Rows made as a printer asks for them, one at a time, so that a long list never holds every
// row's cells at once. A printer may ask for a row more than once.
struct RowSource {
    RowSource(std::vector<Column> columns, std::size_t count,
              std::function<std::vector<Cell>(std::size_t)> row);
    // A table's rows as they stand, implicit as a table is its rows; valid while the table is.
    RowSource(const Table& table);

    std::vector<Column> columns;
    std::size_t count;
    std::function<std::vector<Cell>(std::size_t)> row;
};
