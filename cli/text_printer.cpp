// SPDX-License-Identifier: MIT
#include "cli/printers.h"

#include <algorithm>
#include <iostream>
#include <sstream>

namespace {

// The number of characters a terminal shows for UTF-8 text: one for each but continuation
// bytes.
std::size_t shownWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

void printAligned(std::ostream& out, const RowSource& rows, const std::string& indent,
                  bool header) {
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < rows.columns.size(); ++i) {
        if (!rows.columns[i].detail) {
            shown.push_back(i);
        }
    }
    const auto textsOf = [&](std::size_t i) {
        const std::vector<Cell> row = rows.row(i);
        std::vector<std::string> texts;
        for (const std::size_t column : shown) {
            texts.push_back(withVisibleControls(row[column].shown));
        }
        return texts;
    };
    std::vector<std::string> names;
    for (const std::size_t column : shown) {
        const Column& named = rows.columns[column];
        names.push_back(named.label.empty() ? named.name : named.label);
    }
    std::vector<std::size_t> widths(shown.size());
    for (std::size_t i = 0; i < rows.count; ++i) {
        const auto texts = textsOf(i);
        for (std::size_t k = 0; k < texts.size(); ++k) {
            widths[k] = std::max(widths[k], shownWidth(texts[k]));
        }
    }
    for (std::size_t k = 0; header && k < names.size(); ++k) {
        widths[k] = std::max(widths[k], shownWidth(names[k]));
    }
    // The names' line, then each row's.
    for (std::size_t i = header ? 0 : 1; i <= rows.count; ++i) {
        const auto texts = i == 0 ? names : textsOf(i - 1);
        std::string line = indent;
        for (std::size_t k = 0; k < texts.size(); ++k) {
            line += texts[k];
            if (k + 1 < texts.size()) {
                line.append(widths[k] - shownWidth(texts[k]) + 2, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

std::string alignedText(const Table& table, const std::string& indent) {
    std::ostringstream out;
    printAligned(out, table, indent);
    return out.str();
}

void TextPrinter::list(const RowSource& rows) {
    printAligned(std::cout, rows, "", header_);
}

void TextPrinter::hitsAndSuggestions(const RowSource& hits, const Table& suggestions) {
    list(hits);
    if (!suggestions.rows.empty()) {
        notes() << "did you mean:\n";
        printAligned(notes(), suggestions, "  ");
    }
}

void TextPrinter::route(const Table& legs, const Table& totals) {
    Table whole = legs;
    whole.rows.push_back(totalRowOf(legs, totals));
    list(whole);
}

void TextPrinter::answer(const std::string& summary, const Table&) {
    std::cout << withVisibleControls(summary) << '\n';
}

void TextPrinter::details(const Table& records) {
    std::size_t labelWidth = 0;
    for (const Column& column : records.columns) {
        if (!column.detail) {
            labelWidth =
                std::max(labelWidth, shownWidth(column.label.empty() ? column.name : column.label));
        }
    }
    std::string out;
    for (const auto& row : records.rows) {
        out += out.empty() ? "" : "\n";
        for (std::size_t i = 0; i < records.columns.size() && i < row.size(); ++i) {
            const Column& column = records.columns[i];
            const std::string label = column.label.empty() ? column.name : column.label;
            const Cell& cell = row[i];
            const std::vector<std::string> lines =
                cell.lines.empty() ? std::vector<std::string>{cell.shown} : cell.lines;
            if (column.detail || lines.front().empty()) {
                continue;
            }
            for (std::size_t k = 0; k < lines.size(); ++k) {
                const std::string head = k == 0 ? label : std::string();
                out += head + std::string(labelWidth - shownWidth(head) + 2, ' ') +
                       withVisibleControls(lines[k]) + '\n';
            }
        }
    }
    std::cout << out;
}

void TextPrinter::startKeyed(const std::vector<Column>&) {}

void TextPrinter::keyed(const std::string& key, const std::string& summary,
                        const std::function<std::vector<Cell>()>&) {
    std::cout << withVisibleControls(key) << '\t' << withVisibleControls(summary) << '\n';
}

std::ostream& TextPrinter::notes() {
    return std::cout;
}
