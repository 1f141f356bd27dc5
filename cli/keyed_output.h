// SPDX-License-Identifier: MIT
#pragma once

#include "cli/table.h"

#include <functional>
#include <string>
#include <vector>

// The answers to keys read from standard input, printed as they come: in text
// "KEY<TAB>RESULT"; in TSV a header line, then the key and the answer's cells; in JSON one
// object a line, the key first. Cells an answer lacks are empty, null in JSON.
class KeyedOutput {
  public:
    KeyedOutput(Format format, std::vector<std::string> columns);
    void add(const std::string& key, const std::string& result, std::vector<Cell> cells);

  private:
    Format format_;
    std::vector<std::string> columns_;
};

// Calls answer with each line of standard input, a final CR dropped, in order; yields whether
// every answer said it was found.
bool answerEachLine(const std::function<bool(const std::string& key)>& answer);
