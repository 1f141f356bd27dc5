// SPDX-License-Identifier: MIT
#include "cli/table.h"
#include "lookup/text.h"
#include "records/units.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

Cell Cell::text(std::string text) {
    // Keys come as the user typed them; JSON takes them decoded as records are, so that it
    // always parses.
    CellValue value = icao::isValidUtf8(text) ? text : icao::toUtf8(icao::decodeText(text));
    return {text, text, std::move(value)};
}

Cell Cell::truth(bool truth) {
    const std::string text = truth ? "true" : "false";
    return {text, text, truth};
}

Cell Cell::missing() {
    return {"", "", nullptr};
}

Cell Cell::measure(double value, int shownDecimals, std::string_view unit) {
    if (!std::isfinite(value)) {
        return {"unknown", "", nullptr};
    }
    return {fixed(value, shownDecimals) + std::string(unit), fixed(value, 1), value};
}

Cell Cell::course(double degrees) {
    if (!std::isfinite(degrees)) {
        return {"unknown", "", nullptr};
    }
    return {icao::courseWords(degrees), fixed(degrees, 1), degrees};
}

Cell Cell::recordNumber(std::string text, std::optional<double> number) {
    return {text, text, CellValue::orNull(number)};
}

Cell Cell::lined(std::vector<std::string> lines, std::string plain, CellValue value) {
    return {lines.empty() ? std::string() : lines.front(), std::move(plain), std::move(value),
            std::move(lines)};
}

RowSource::RowSource(std::vector<Column> columns, std::size_t count,
                     std::function<std::vector<Cell>(std::size_t)> row)
    : columns(std::move(columns)), count(count), row(std::move(row)) {}

RowSource::RowSource(const Table& table)
    : columns(table.columns), count(table.rows.size()),
      row([&table](std::size_t i) { return table.rows[i]; }) {}
