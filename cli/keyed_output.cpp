// SPDX-License-Identifier: MIT
#include "cli/keyed_output.h"

#include <iostream>

KeyedOutput::KeyedOutput(Format format, std::vector<std::string> columns)
    : format_(format), columns_{"key"} {
    columns_.insert(columns_.end(), columns.begin(), columns.end());
    if (format_ == Format::Tsv) {
        std::cout << Table{columns_, {}}.tabSeparated();
    }
}

void KeyedOutput::add(const std::string& key, const std::string& result, std::vector<Cell> cells) {
    if (format_ == Format::Text) {
        std::cout << key << '\t' << result << '\n';
        return;
    }
    cells.insert(cells.begin(), Cell::of(key));
    while (cells.size() < columns_.size()) {
        cells.push_back(Cell{"", std::nullopt, true, std::nullopt});
    }
    const Table row{columns_, {std::move(cells)}};
    if (format_ == Format::Tsv) {
        const std::string lines = row.tabSeparated();
        std::cout << lines.substr(lines.find('\n') + 1);
    } else {
        std::cout << row.jsonObject(0) << '\n';
    }
}

bool answerEachLine(const std::function<bool(const std::string& key)>& answer) {
    // Answers go out in blocks, not a write for every key read.
    std::cin.tie(nullptr);
    bool allFound = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        allFound = answer(line) && allFound;
    }
    return allFound;
}
