// SPDX-License-Identifier: MIT
#include "cli/table.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

// The number of characters a terminal shows for UTF-8 text: one for each but continuation
// bytes.
std::size_t shownWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonValue(const Cell& cell) {
    if (cell.null) {
        return "null";
    }
    if (cell.truth) {
        return *cell.truth ? "true" : "false";
    }
    if (cell.number) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, *cell.number).ptr;
        return std::string(digits, end);
    }
    return jsonString(cell.text);
}

} // namespace

Cell Cell::of(double number, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, number);
    return {text, number, false, {}};
}

Cell Cell::numberOf(const std::string& text, std::optional<double> number) {
    return {text, number, !number, {}};
}

std::string Table::aligned(const std::string& indent) const {
    std::vector<std::size_t> widths(columns.size());
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], shownWidth(row[i].text));
        }
    }
    std::string out;
    for (const auto& row : rows) {
        std::string line = indent;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i].text;
            if (i + 1 < row.size()) {
                line.append(widths[i] - shownWidth(row[i].text) + 2, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + '\n';
    }
    return out;
}

std::string Table::tabSeparated() const {
    std::string out;
    const auto line = [&out](const auto& cells, auto textOf) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            std::string text = textOf(cells[i]);
            std::replace(text.begin(), text.end(), '\t', ' ');
            out += (i ? "\t" : "") + text;
        }
        out += '\n';
    };
    line(columns, [](const std::string& name) { return name; });
    for (const auto& row : rows) {
        line(row, [](const Cell& cell) { return cell.text; });
    }
    return out;
}

std::string Table::jsonObject(std::size_t row) const {
    std::string out = "{";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        out += (i ? ", " : "") + jsonString(columns[i]) + ": " + jsonValue(rows[row][i]);
    }
    return out + "}";
}

std::string Table::jsonArray() const {
    std::string out = "[";
    for (std::size_t row = 0; row < rows.size(); ++row) {
        out += (row ? ",\n " : "") + jsonObject(row);
    }
    return out + "]\n";
}

std::string Table::formatted(Format format) const {
    switch (format) {
    case Format::Tsv:
        return tabSeparated();
    case Format::Json:
        return jsonArray();
    case Format::Text:
        break;
    }
    return aligned();
}
