// SPDX-License-Identifier: MIT
#include "search/flight_plan_words.h"

#include <algorithm>
#include <cstddef>

namespace icao {
namespace {

bool isCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// How many characters from the start pass the test.
std::size_t runOf(std::string_view word, bool (*test)(char)) {
    return static_cast<std::size_t>(std::find_if_not(word.begin(), word.end(), test) -
                                    word.begin());
}

bool allDigits(std::string_view word, std::size_t count) {
    return word.size() == count && runOf(word, isDigit) == count;
}

// N then four digits of knots, K four of km/h, M three of Mach hundredths; then F or A and
// three digits of hundreds of feet, S or M four of tens of metres, or VFR.
bool isSpeedAndLevel(std::string_view word) {
    if (word.size() < 7) {
        return false;
    }
    const std::size_t speedDigits = word[0] == 'M' ? 3 : 4;
    if ((word[0] != 'N' && word[0] != 'K' && word[0] != 'M') ||
        !allDigits(word.substr(1, speedDigits), speedDigits)) {
        return false;
    }
    const std::string_view level = word.substr(1 + speedDigits);
    if (level == "VFR") {
        return true;
    }
    const std::size_t levelDigits = level.empty()                          ? 0
                                    : level[0] == 'F' || level[0] == 'A'   ? 3
                                    : level[0] == 'S' || (level[0] == 'M') ? 4
                                                                           : 0;
    return levelDigits > 0 && allDigits(level.substr(1), levelDigits);
}

// Three to five capitals, a digit, and perhaps a capital: the fix or navaid a procedure is
// named after, its revision and its letter.
bool isProcedure(std::string_view word) {
    const std::size_t letters = runOf(word, isCapital);
    const std::string_view rest = word.substr(letters);
    return letters >= 3 && letters <= 5 && !rest.empty() && isDigit(rest[0]) &&
           (rest.size() == 1 || (rest.size() == 2 && isCapital(rest[1])));
}

// One or two capitals (a prefix such as U and the route's letter), one to three digits, and
// perhaps a capital suffix.
bool isAirway(std::string_view word) {
    const std::size_t letters = runOf(word, isCapital);
    const std::string_view rest = word.substr(letters);
    const std::size_t digits = runOf(rest, isDigit);
    const std::size_t suffix = rest.size() - digits;
    return letters >= 1 && letters <= 2 && digits >= 1 && digits <= 3 &&
           (suffix == 0 || (suffix == 1 && isCapital(rest.back())));
}

// The degrees, and where written the minutes and then the seconds, of digits; none past the
// limit.
std::optional<double> degreesOf(std::string_view digits, std::size_t degreeDigits, double limit) {
    const std::size_t parts = digits.size() < degreeDigits ? 0 : digits.size() - degreeDigits;
    if (runOf(digits, isDigit) != digits.size() || digits.size() < degreeDigits ||
        (parts != 0 && parts != 2 && parts != 4)) {
        return std::nullopt;
    }
    double degrees = 0;
    for (std::size_t i = 0; i < degreeDigits; ++i) {
        degrees = degrees * 10 + (digits[i] - '0');
    }
    // Minutes, then seconds, each under 60.
    double unit = 1;
    for (std::size_t at = degreeDigits; at < digits.size(); at += 2) {
        const int sixtieths = (digits[at] - '0') * 10 + (digits[at + 1] - '0');
        if (sixtieths >= 60) {
            return std::nullopt;
        }
        unit /= 60;
        degrees += sixtieths * unit;
    }
    return degrees <= limit ? std::optional(degrees) : std::nullopt;
}

} // namespace

std::optional<Place> placeOfPlanCoordinates(std::string_view word) {
    const std::size_t hemisphere = word.find_first_of("NS");
    if (hemisphere == std::string_view::npos || word.empty() ||
        (word.back() != 'E' && word.back() != 'W')) {
        return std::nullopt;
    }
    const std::string_view latitudeDigits = word.substr(0, hemisphere);
    const std::string_view longitudeDigits =
        word.substr(hemisphere + 1, word.size() - hemisphere - 2);
    // Both in degrees, both in degrees and minutes, or both to the second.
    if (longitudeDigits.size() != latitudeDigits.size() + 1) {
        return std::nullopt;
    }
    const auto latitude = degreesOf(latitudeDigits, 2, 90);
    const auto longitude = degreesOf(longitudeDigits, 3, 180);
    if (!latitude || !longitude) {
        return std::nullopt;
    }
    return placeOf(word[hemisphere] == 'S' ? -*latitude : *latitude,
                   word.back() == 'W' ? -*longitude : *longitude);
}

PlanWord planWordOf(std::string_view word) {
    if (word == "DCT" || word == "dct") {
        return PlanWord::Direct;
    }
    if (word == "IFR" || word == "VFR") {
        return PlanWord::FlightRules;
    }
    // A level alone, as pilots also write one.
    if (isSpeedAndLevel(word) || (word.starts_with("FL") && allDigits(word.substr(2), 3))) {
        return PlanWord::SpeedAndLevel;
    }
    if (placeOfPlanCoordinates(word)) {
        return PlanWord::Coordinates;
    }
    if (isProcedure(word)) {
        return PlanWord::Procedure;
    }
    if (isAirway(word)) {
        return PlanWord::Airway;
    }
    if (word.size() == 5 && runOf(word, isCapital) == 5) {
        return PlanWord::FiveLetters;
    }
    return PlanWord::Other;
}

PassedOver passedOver(PlanWord word) {
    switch (word) {
    case PlanWord::Direct:
        return {"direct", "direct"};
    case PlanWord::SpeedAndLevel:
        return {"speed_and_level", "speed and level"};
    case PlanWord::FlightRules:
        return {"flight_rules", "flight rules"};
    case PlanWord::Procedure:
        return {"procedure", "departure or arrival procedure"};
    case PlanWord::Airway:
        return {"airway_flown_direct", "airway not in the data, flown direct"};
    case PlanWord::FiveLetters:
    case PlanWord::Coordinates:
    case PlanWord::Other:
        break;
    }
    return {"fix_not_in_data", "fix not in the data, left out"};
}

bool marksFlightPlan(PlanWord word) {
    return word != PlanWord::FiveLetters && word != PlanWord::Other;
}

} // namespace icao
