// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command_table.h"
#include "lookup/airfield_kind.h"
#include "plans/plan_formats.h"
#include "records/airfield_details.h"
#include "records/airfield_filter.h"
#include "records/units.h"

#include <bitset>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// Plan: one of the plan files' formats, which the arguments' planFormat names.
enum class Format { Text, Tsv, Json, Svg, Csv, Plan };

// What the command line of icao asks for.
struct Arguments {
    Command command = Command::Help;
    // The keys after the command: one KEY, TEXT or ORIGIN, or the CODEs of a route; a single
    // "-" reads them from standard input, one per line.
    std::vector<std::string> keys;
    bool raw = false;
    // find and near list navaids rather than airfields.
    bool navaids = false;
    // Text output names its columns first.
    bool header = false;
    std::optional<std::string> file;
    std::size_t limit = 10;
    Format format = Format::Text;
    // Where a picture (--format svg) is written instead of standard output.
    std::optional<std::string> output;
    // The airfields find and near list; every one when nothing is set.
    icao::AirfieldFilter filter;
    // The one unit text and TSV give distances in; nautical miles and kilometres when none.
    std::optional<icao::DistanceUnit> distanceUnit;
    // The unit text and TSV give lengths and elevations in.
    icao::LengthUnit lengthUnit = icao::LengthUnit::Foot;
    // The day info tells the sun's times of; today at each airfield when none.
    std::optional<std::chrono::sys_days> date;
    // The ground speed dist reckons time en route at, in knots.
    std::optional<double> speedKnots;
    // The plan file dist writes with --format Plan.
    icao::PlanFormat planFormat = icao::PlanFormat::Gpx;
    // The plan file dist reads its route from.
    std::optional<std::string> plan;

    // Lengths as shown: JSON keeps feet, its keys fixed.
    icao::LengthUnit shownLength() const {
        return format == Format::Json ? icao::LengthUnit::Foot : lengthUnit;
    }

    bool batch() const { return keys.size() == 1 && keys.front() == "-"; }
    // A file, not a table: a picture or a plan, which --output may take.
    bool writesFile() const { return format == Format::Svg || format == Format::Plan; }
};

struct UsageError {
    std::string message;
};

// Parses the words after the program name, as the command table describes them.
std::variant<Arguments, UsageError> parseArguments(const std::vector<std::string>& words);
