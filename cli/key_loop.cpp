// SPDX-License-Identifier: MIT
#include "cli/key_loop.h"

#include "cli/commands.h"

#include <iostream>
#include <optional>

int answerEachKey(
    Printer& printer, const std::vector<Column>& columns,
    const std::function<icao::Expected<KeyedAnswer>(const std::string& key)>& answer) {
    // Answers go out in blocks, not a write for every key read.
    std::cin.tie(nullptr);
    printer.startKeyed(columns);
    std::optional<icao::FileError> error;
    bool allFound = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        auto keyed = answer(line);
        if (!keyed) {
            error = error.value_or(keyed.error());
            allFound = false;
            continue;
        }
        allFound = keyed->found && allFound;
        printer.keyed(line, keyed->summary, std::move(keyed->cells));
    }
    return error ? reportError(*error) : exitFor(allFound);
}
