// SPDX-License-Identifier: MIT
#pragma once

#include "cli/printer.h"

#include <memory>

// The printer of each format, and the one that prints a format.

// The printer of the format asked; with --header, text names its columns above them.
std::unique_ptr<Printer> makePrinter(const Arguments& arguments);

// A route's totals as the last row of its legs: "total", no destination, the distances, and
// nothing under the legs' other columns.
std::vector<Cell> totalRowOf(const Table& legs, const Table& totals);

class TextPrinter final : public Printer {
  public:
    explicit TextPrinter(bool header) : header_(header) {}
    void list(const RowSource& rows) override;
    void hitsAndSuggestions(const RowSource& hits, const Table& suggestions) override;
    void route(const Table& legs, const Table& totals) override;
    void answer(const std::string& summary, const Table& row) override;
    void details(const Table& records) override;
    void startKeyed(const std::vector<Column>& columns) override;
    void keyed(const std::string& key, const std::string& summary,
               const std::function<std::vector<Cell>()>& cells) override;
    std::ostream& notes() override;

  private:
    bool header_;
};

// TSV, or with csv RFC 4180's comma-separated values, lines ending CR LF.
class SeparatedPrinter final : public Printer {
  public:
    explicit SeparatedPrinter(bool csv) : csv_(csv) {}
    void list(const RowSource& rows) override;
    void route(const Table& legs, const Table& totals) override;
    void answer(const std::string& summary, const Table& row) override;
    void startKeyed(const std::vector<Column>& columns) override;
    void keyed(const std::string& key, const std::string& summary,
               const std::function<std::vector<Cell>()>& cells) override;
    std::ostream& notes() override;

  private:
    void printLine(const std::vector<std::string>& values) const;
    void printHeader(const std::vector<Column>& columns) const;
    void printRow(const std::vector<Cell>& cells) const;

    bool csv_;
    std::size_t keyedColumns_ = 0;
};

class JsonPrinter final : public Printer {
  public:
    void list(const RowSource& rows) override;
    void route(const Table& legs, const Table& totals) override;
    void answer(const std::string& summary, const Table& row) override;
    void startKeyed(const std::vector<Column>& columns) override;
    void keyed(const std::string& key, const std::string& summary,
               const std::function<std::vector<Cell>()>& cells) override;
    std::ostream& notes() override;

  private:
    std::vector<Column> keyedColumns_;
};

// Places as other programs map them: GPX waypoints, KML placemarks or GeoJSON points, each
// record's fields beside it; a record without a place left out, and said so on standard
// error. Keys from standard input are not mapped: the arguments refuse them.
class PlacesPrinter final : public Printer {
  public:
    explicit PlacesPrinter(icao::PlanFormat format) : format_(format) {}
    void list(const RowSource& rows) override;
    void hitsAndSuggestions(const RowSource& hits, const Table& suggestions) override;
    void route(const Table& legs, const Table& totals) override;
    void answer(const std::string& summary, const Table& row) override;
    void startKeyed(const std::vector<Column>& columns) override;
    void keyed(const std::string& key, const std::string& summary,
               const std::function<std::vector<Cell>()>& cells) override;
    std::ostream& notes() override;

  private:
    icao::PlanFormat format_;
};
