// SPDX-License-Identifier: MIT
#pragma once

#include "cli/printer.h"
#include "platform/expected.h"

#include <functional>
#include <string>
#include <vector>

// A command's answer to one key from standard input: what text prints after the key, the
// cells of TSV and JSON (none for a key not found), and whether it was found.
struct KeyedAnswer {
    std::string summary;
    std::vector<Cell> cells;
    bool found = false;
};

// The one loop of every command's keys from standard input: answers each line (a final CR
// dropped) in order and prints the answer under these columns. A key that the data file could
// not be read for is left out, and the first such error ends it with status 2; otherwise the
// status says whether every key was found.
int answerEachKey(Printer& printer, const std::vector<Column>& columns,
                  const std::function<icao::Expected<KeyedAnswer>(const std::string& key)>& answer);
