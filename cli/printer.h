// SPDX-License-Identifier: MIT
#pragma once

#include "cli/arguments.h"
#include "cli/messages.h"
#include "cli/table.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// Prints the answers of icao in one format. Commands build tables of cells; only a printer
// knows how its format lays them out.
class Printer {
  public:
    virtual ~Printer() = default;

    // A list of rows: aligned columns, TSV under a header line, or a JSON array; each row
    // printed as it is made.
    virtual void list(const RowSource& rows) = 0;
    // The hits of a find and the records it suggests instead, under the same columns: in text
    // the hits, then the suggestions as a note; in TSV and JSON one list whose "suggestion"
    // column tells them apart.
    virtual void hitsAndSuggestions(const RowSource& hits, const Table& suggestions);
    // A route's legs and its totals: in text and TSV a last row, in JSON members beside the
    // legs.
    virtual void route(const Table& legs, const Table& totals) = 0;
    // The answer to one key: text prints the summary alone, TSV a header and the row, JSON
    // the row as an object.
    virtual void answer(const std::string& summary, const Table& row) = 0;
    // Records told in full, a row each: text prints each as lines of "label  value", every
    // column with a value, records apart by a blank line; TSV and JSON as a list.
    virtual void details(const Table& records);

    // The answers to keys from standard input, printed as they come: in text
    // "KEY<TAB>SUMMARY", in TSV a header line and then a row a key, in JSON an object a line,
    // the key first. Cells an answer lacks are empty, null in JSON.
    virtual void startKeyed(const std::vector<Column>& columns) = 0;
    virtual void keyed(const std::string& key, const std::string& summary,
                       const std::function<std::vector<Cell>()>& cells) = 0;

    // Where notes beside an answer go: beside text, on standard output; apart from TSV and
    // JSON, on standard error, so as not to spoil them.
    virtual std::ostream& notes() = 0;
};

// Rows as aligned text, two spaces between columns, each line after the indent, trailing
// blanks dropped; detail columns left out. The rows are made twice, once to measure the
// columns and once to print them, so that none is kept.
void printAligned(std::ostream& out, const RowSource& rows, const std::string& indent = "",
                  bool header = false);
std::string alignedText(const Table& table, const std::string& indent = "");
