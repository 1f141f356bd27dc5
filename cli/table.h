// SPDX-License-Identifier: MIT
#pragma once

#include "cli/arguments.h"

#include <optional>
#include <string>
#include <vector>

// One value of a table: its text, and for JSON a number, true, false or null in place of a
// string.
struct Cell {
    std::string text;
    std::optional<double> number;
    bool null = false;
    std::optional<bool> truth;

    static Cell of(std::string text) { return {std::move(text), std::nullopt, false, {}}; }
    static Cell truthOf(bool truth) {
        return {truth ? "true" : "false", std::nullopt, false, truth};
    }
    // A number shown with this many decimals; JSON takes it whole.
    static Cell of(double number, int decimals);
    // A number read from a record's text: null where the text is no number.
    static Cell numberOf(const std::string& text, std::optional<double> number);
};

// Rows of cells under named columns: what every command but check prints, in any format.
struct Table {
    std::vector<std::string> columns;
    std::vector<std::vector<Cell>> rows;

    // Aligned columns two spaces apart, each row on its own line after the indent, trailing
    // blanks dropped.
    std::string aligned(const std::string& indent = "") const;
    // A header line of the column names, then a line a row; tabs inside cells become spaces.
    std::string tabSeparated() const;
    // A JSON array of objects, a member a column, one object a line.
    std::string jsonArray() const;
    // One row as a JSON object on one line.
    std::string jsonObject(std::size_t row) const;
    // The whole table as the format prints a list: aligned, tab-separated or a JSON array.
    std::string formatted(Format format) const;
};
