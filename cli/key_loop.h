// SPDX-License-Identifier: MIT
#pragma once

#include "cli/printer.h"
#include "platform/expected.h"

#include <functional>
#include <string>
#include <vector>

// The longest line of standard input that is read as a key (or, for dist, a route's codes);
// a longer line is refused with a message, and the next one read.
inline constexpr std::size_t kMaxKeyLineBytes = 64 * 1024;

// A command's answer to one key from standard input: what text prints after the key, the
// cells of TSV and JSON (none for a key not found), made only for a printer that prints
// them, and whether it was found.
struct KeyedAnswer {
    std::string summary;
    std::function<std::vector<Cell>()> cells = [] { return std::vector<Cell>(); };
    bool found = false;
};

// The one loop of every command's keys from standard input: answers each line (a final CR
// dropped) in order and prints the answer under these columns. A key that the data file could
// not be read for is left out, and the first such error gives status 2 at the end, as does a
// refused line; otherwise the status says whether every key was found. A read error on
// standard input, or a failed write, stops it at once with status 2.
int answerEachKey(Printer& printer, const std::vector<Column>& columns,
                  const std::function<icao::Expected<KeyedAnswer>(const std::string& key)>& answer);
