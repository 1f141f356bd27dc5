// SPDX-License-Identifier: MIT
#include "cli/printers.h"

#include <algorithm>
#include <iostream>

namespace {

// The number of characters a terminal shows for UTF-8 text: one for each but continuation
// bytes.
std::size_t shownWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

std::string alignedText(const Table& table, const std::string& indent) {
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (!table.columns[i].detail) {
            shown.push_back(i);
        }
    }
    std::vector<std::size_t> widths(table.columns.size());
    for (const auto& row : table.rows) {
        for (const std::size_t i : shown) {
            widths[i] = std::max(widths[i], shownWidth(row[i].shown));
        }
    }
    std::string out;
    for (const auto& row : table.rows) {
        std::string line = indent;
        for (std::size_t k = 0; k < shown.size(); ++k) {
            const Cell& cell = row[shown[k]];
            line += cell.shown;
            if (k + 1 < shown.size()) {
                line.append(widths[shown[k]] - shownWidth(cell.shown) + 2, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + '\n';
    }
    return out;
}

void TextPrinter::list(const Table& table) {
    std::cout << alignedText(table);
}

void TextPrinter::route(const Table& legs, const Table& totals) {
    Table whole = legs;
    whole.rows.push_back(totalRowOf(totals));
    list(whole);
}

void TextPrinter::answer(const std::string& summary, const Table&) {
    std::cout << summary << '\n';
}

void TextPrinter::startKeyed(const std::vector<Column>&) {}

void TextPrinter::keyed(const std::string& key, const std::string& summary, std::vector<Cell>) {
    std::cout << key << '\t' << summary << '\n';
}

std::ostream& TextPrinter::notes() {
    return std::cout;
}
