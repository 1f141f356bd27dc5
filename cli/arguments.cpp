// SPDX-License-Identifier: MIT
#include "cli/arguments.h"

#include "lookup/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr std::array<std::pair<std::string_view, Format>, 5> kFormats = {{
    {"text", Format::Text},
    {"tsv", Format::Tsv},
    {"csv", Format::Csv},
    {"json", Format::Json},
    {"svg", Format::Svg},
}};

const OptionSpec* findOption(std::string_view name) {
    const auto options = optionSpecs();
    const auto found = std::find_if(options.begin(), options.end(),
                                    [name](const OptionSpec& spec) { return spec.name == name; });
    return found == options.end() ? nullptr : &*found;
}

// Stores an option's value in the arguments; a usage error when the value is not one it takes.
std::optional<UsageError> setOption(Option option, const std::optional<std::string>& value,
                                    Arguments& arguments) {
    const std::string text = value.value_or("");
    switch (option) {
    case Option::Raw:
        arguments.raw = true;
        return std::nullopt;
    case Option::File:
        arguments.file = text;
        return text.empty() ? std::optional(UsageError{"--file needs a path"}) : std::nullopt;
    case Option::Output:
        arguments.output = text;
        return text.empty() ? std::optional(UsageError{"--output needs a path"}) : std::nullopt;
    case Option::Plan:
        arguments.plan = text;
        return text.empty() ? std::optional(UsageError{"--plan needs a path"}) : std::nullopt;
    case Option::Limit: {
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), arguments.limit);
        const bool whole =
            !text.empty() && error == std::errc() && end == text.data() + text.size();
        return whole && arguments.limit > 0
                   ? std::nullopt
                   : std::optional(UsageError{"--limit needs a whole number of at least 1"});
    }
    case Option::Kind:
        for (const char marker : text) {
            const auto kind = icao::kindOfMarker(static_cast<unsigned char>(marker));
            if (kind == icao::AirfieldKind::Unknown) {
                return UsageError{"--kind takes letters of LMSWHBC"};
            }
            arguments.filter.kinds.set(static_cast<std::size_t>(kind));
        }
        return text.empty() ? std::optional(UsageError{"--kind takes letters of LMSWHBC"})
                            : std::nullopt;
    case Option::Country:
        arguments.filter.country = text;
        return text.size() == 2 ? std::nullopt
                                : std::optional(UsageError{"--country takes a two-letter code"});
    case Option::Region:
        arguments.filter.region = text;
        return text.empty() ? std::optional(UsageError{"--region needs a name"}) : std::nullopt;
    case Option::MinRunway:
        arguments.filter.minRunwayFt = icao::feetOf(text);
        return arguments.filter.minRunwayFt
                   ? std::nullopt
                   : std::optional(UsageError{"--min-runway takes a length and m or ft"});
    case Option::Surface:
        if (text == "any") {
            arguments.filter.surface.reset();
            return std::nullopt;
        }
        arguments.filter.surface = text == "paved"     ? std::optional(icao::Surface::Paved)
                                   : text == "unpaved" ? std::optional(icao::Surface::Unpaved)
                                   : text == "water"   ? std::optional(icao::Surface::Water)
                                                       : std::nullopt;
        return arguments.filter.surface
                   ? std::nullopt
                   : std::optional(UsageError{"--surface takes paved, unpaved, water or any"});
    case Option::Lighted:
        arguments.filter.lighted = true;
        return std::nullopt;
    case Option::Navaids:
        arguments.navaids = true;
        return std::nullopt;
    case Option::Header:
        arguments.header = true;
        return std::nullopt;
    case Option::Scheduled:
        arguments.filter.scheduled = true;
        return std::nullopt;
    case Option::Units:
        arguments.distanceUnit = icao::distanceUnitOf(text);
        return arguments.distanceUnit ? std::nullopt
                                      : std::optional(UsageError{"--units takes nm, km or mi"});
    case Option::Length:
        arguments.lengthUnit = text == "m" ? icao::LengthUnit::Metre : icao::LengthUnit::Foot;
        return text == "m" || text == "ft" ? std::nullopt
                                           : std::optional(UsageError{"--length takes ft or m"});
    case Option::Date:
        arguments.date = icao::calendarDayOf(text);
        return arguments.date ? std::nullopt
                              : std::optional(UsageError{
                                    "--date takes a day from 1900 to 2200 as YYYY-MM-DD"});
    case Option::Speed:
        arguments.speedKnots = icao::knotsOf(text);
        return arguments.speedKnots
                   ? std::nullopt
                   : std::optional(UsageError{
                         "--speed takes a number and kt, km/h or mph, from 1 to 5000 kt"});
    case Option::Format: {
        const auto format =
            std::find_if(kFormats.begin(), kFormats.end(),
                         [&text](const auto& entry) { return entry.first == text; });
        if (format != kFormats.end()) {
            arguments.format = format->second;
            return std::nullopt;
        }
        const auto plan =
            std::find_if(icao::kPlanFormats.begin(), icao::kPlanFormats.end(),
                         [&text](const icao::PlanFormatName& entry) { return entry.name == text; });
        if (plan == icao::kPlanFormats.end()) {
            return UsageError{"--format takes text, tsv, csv, json, svg, or for dist gpx, kml, "
                              "geojson, fpl, fms, pln or icao"};
        }
        arguments.format = Format::Plan;
        arguments.planFormat = plan->format;
        return std::nullopt;
    }
    }
    return std::nullopt;
}

// "dist, near and info"
std::string drawingCommands() {
    std::vector<std::string_view> names;
    for (const CommandSpec& command : commandSpecs()) {
        if (command.draws) {
            names.push_back(command.name);
        }
    }
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text.append(i == 0 ? "" : i + 1 == names.size() ? " and " : ", ").append(names[i]);
    }
    return text;
}

std::optional<UsageError> checkKeys(const CommandSpec& command, const Arguments& arguments) {
    const std::size_t count = arguments.keys.size();
    const std::string name(command.name);
    switch (command.keys) {
    case Keys::None:
        return count == 0 ? std::nullopt : std::optional(UsageError{name + " takes no KEY"});
    case Keys::Words:
        return count >= 1 ? std::nullopt
                          : std::optional(UsageError{name + " takes " +
                                                     std::string(command.keyName) + ", or -"});
    case Keys::OneOrMore:
        return count >= 1
                   ? std::nullopt
                   : std::optional(UsageError{name + " takes one " + std::string(command.keyName) +
                                              " or more, or -"});
    case Keys::One:
        break;
    }
    return count == 1 ? std::nullopt
                      : std::optional(UsageError{name + " takes exactly one " +
                                                 std::string(command.keyName)});
}

// A picture is of one answer, and only a picture goes to --output.
std::optional<UsageError> checkPicture(const CommandSpec& command, const Arguments& arguments) {
    const bool picture = arguments.format == Format::Svg;
    if (picture && !command.draws) {
        return UsageError{"--format svg is for " + drawingCommands()};
    }
    if (picture && arguments.batch()) {
        return UsageError{"--format svg draws one map: give its " + std::string(command.keyName) +
                          (command.command == Command::Dist ? "s" : "") + ", not -"};
    }
    if (picture && command.command == Command::Info && arguments.keys.size() > 1) {
        return UsageError{"--format svg draws one airfield: give one CODE"};
    }
    // GPX, KML and GeoJSON also map the places of find, near and info.
    const std::string plan(icao::nameOf(arguments.planFormat).name);
    const bool places = arguments.planFormat == icao::PlanFormat::Gpx ||
                        arguments.planFormat == icao::PlanFormat::Kml ||
                        arguments.planFormat == icao::PlanFormat::GeoJson;
    const bool mapsPlaces = command.command == Command::Find || command.command == Command::Near ||
                            command.command == Command::Info;
    if (arguments.format == Format::Plan && command.command != Command::Dist &&
        !(places && mapsPlaces)) {
        return UsageError{
            "--format " + plan +
            (places ? " is for dist, find, near and info" : " writes a route: it is for dist")};
    }
    if (arguments.format == Format::Plan && arguments.batch()) {
        return UsageError{"--format " + plan + " writes one answer: give its keys, not -"};
    }
    if (arguments.format == Format::Plan && command.command != Command::Dist && arguments.output) {
        return UsageError{"--output is for dist's plan files and --format svg"};
    }
    if (arguments.output && !arguments.writesFile()) {
        return UsageError{"--output is for --format svg and the plan formats"};
    }
    return std::nullopt;
}

// Navaids are no airfields: the airfields' filters and maps ask nothing of them.
std::optional<UsageError> checkNavaids(const Arguments& arguments) {
    if (!arguments.navaids) {
        return std::nullopt;
    }
    if (arguments.filter.kinds.any() || arguments.filter.readsRecords()) {
        return UsageError{"--navaids lists navaids: the airfields' filters ask nothing of them"};
    }
    if (arguments.format == Format::Svg) {
        return UsageError{"--navaids lists navaids: --format svg draws airfields"};
    }
    if (arguments.batch()) {
        return UsageError{"--navaids answers one key, not -"};
    }
    return std::nullopt;
}

} // namespace

std::variant<Arguments, UsageError> parseArguments(const std::vector<std::string>& words) {
    Arguments arguments;
    std::vector<std::string> positional;
    std::vector<Option> given;
    bool optionsEnded = false;
    bool version = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        // A negative number is a key: near's position south or west, as in -33.94,151.18.
        const bool negative = word.size() > 1 && word[0] == '-' &&
                              ((word[1] >= '0' && word[1] <= '9') || word[1] == '.');
        if (optionsEnded || word.empty() || word[0] != '-' || word == "-" || negative) {
            positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        std::optional<std::string> value;
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        }
        const OptionSpec* option = findOption(name);
        const bool flag = name == "--help" || name == "-h" || name == "--version" ||
                          (option && option->value.empty());
        if (flag && value) {
            return UsageError{name + " takes no value"};
        }
        if (name == "--help" || name == "-h") {
            return Arguments{};
        }
        if (name == "--version") {
            version = true;
            continue;
        }
        if (!option) {
            return UsageError{"unknown option " + name};
        }
        if (!flag && !value && i + 1 < words.size()) {
            value = words[++i];
        }
        if (auto error = setOption(option->option, value, arguments)) {
            return *error;
        }
        given.push_back(option->option);
    }
    if (version) {
        if (!positional.empty() ||
            std::any_of(given.begin(), given.end(), [](Option o) { return o != Option::File; })) {
            return UsageError{"--version takes no command and no option but --file"};
        }
        arguments.command = Command::Version;
        return arguments;
    }
    if (positional.empty()) {
        return UsageError{"no command given"};
    }
    const CommandSpec* command = findCommand(positional[0]);
    if (!command) {
        return UsageError{"unknown command " + positional[0]};
    }
    arguments.command = command->command;
    for (auto key = positional.begin() + 1; key != positional.end(); ++key) {
        arguments.keys.emplace_back(icao::withoutByteOrderMark(*key));
    }
    for (const Option option : given) {
        if (!takes(*command, option)) {
            return UsageError{positional[0] + " takes no " + std::string(specOf(option).name)};
        }
    }
    if (command->keys == Keys::Words && arguments.keys.size() > 1) {
        std::string text;
        for (const std::string& word : arguments.keys) {
            text.append(text.empty() ? "" : " ").append(word);
        }
        arguments.keys = {std::move(text)};
    }
    // A plan gives dist its stops.
    if (arguments.plan && !arguments.keys.empty()) {
        return UsageError{"dist takes its STOPs or --plan FILE, not both"};
    }
    // find without TEXT lists what its filters keep.
    const bool listsKept = command->command == Command::Find && arguments.keys.empty() &&
                           arguments.filter.setsAnyAside() && !arguments.navaids;
    // Every one of them unless --limit says how many: a country's airfields are a whole map.
    if (listsKept && std::find(given.begin(), given.end(), Option::Limit) == given.end()) {
        arguments.limit = std::numeric_limits<std::size_t>::max();
    }
    if (auto error = arguments.plan || listsKept ? std::nullopt : checkKeys(*command, arguments)) {
        return *error;
    }
    if (auto error = checkPicture(*command, arguments)) {
        return *error;
    }
    if (auto error = checkNavaids(arguments)) {
        return *error;
    }
    return arguments;
}
