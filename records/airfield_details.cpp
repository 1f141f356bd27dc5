// SPDX-License-Identifier: MIT
#include "records/airfield_details.h"

#include "lookup/zone_name.h"
#include "records/magnetic_model.h"
#include "records/zone_links.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace icao {
namespace {

// The parts of text between separators, empty ones kept.
std::vector<std::string_view> split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + separator.size();
    }
}

// The words of text between single spaces, empty ones dropped.
std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::string_view word : split(text, " ")) {
        if (!word.empty()) {
            words.push_back(word);
        }
    }
    return words;
}

// A runway's length or width in feet: the longest, on dry lake beds, run to some 40,000.
constexpr int kLongestRunwayFt = 60000;
// The bands of the frequencies a record gives: VHF and UHF, below 1 GHz.
constexpr double kHighestMegahertz = 1000;

// A runway's length or width: a whole number of feet from 1 to kLongestRunwayFt; none for
// anything else.
std::optional<int> runwayFeetOf(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > kLongestRunwayFt) {
        return std::nullopt;
    }
    return value;
}

// A heading in degrees from 0 to 360; none for anything else.
std::optional<double> headingOf(std::string_view text) {
    const auto degrees = numberOf(text);
    return degrees && *degrees >= 0 && *degrees <= 360 ? degrees : std::nullopt;
}

// A threshold as LAT;LON; none where it does not read as a place.
std::optional<Place> thresholdOf(std::string_view text) {
    const std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto latitude = numberOf(text.substr(0, semicolon));
    const auto longitude = numberOf(text.substr(semicolon + 1));
    return latitude && longitude ? placeOf(*latitude, *longitude) : std::nullopt;
}

std::optional<Runway> runwayOf(std::string_view text) {
    const auto parts = split(text, ":");
    // A runway of which nothing is known is none; files written before the thresholds were
    // carried have six parts.
    if (parts.size() < 6 || parts.size() > 7 ||
        text.find_first_not_of(':') == std::string_view::npos) {
        return std::nullopt;
    }
    Runway runway{
        {}, runwayFeetOf(parts[1]), runwayFeetOf(parts[2]), std::string(parts[3]), std::nullopt};
    if (parts[4] == "1" || parts[4] == "0") {
        runway.lighted = parts[4] == "1";
    }
    const auto idents = parts[0].empty() ? std::vector<std::string_view>() : split(parts[0], "/");
    const auto headings = parts[5].empty() ? std::vector<std::string_view>() : split(parts[5], "/");
    for (std::size_t end = 0; end < std::max(idents.size(), headings.size()); ++end) {
        runway.ends.push_back({end < idents.size() ? std::string(idents[end]) : std::string(),
                               end < headings.size() ? headingOf(headings[end]) : std::nullopt,
                               std::nullopt});
    }
    // Lighting alone is the database's default, not something known of a runway.
    if (runway.ends.empty() && !runway.lengthFt && !runway.widthFt && runway.surface.empty()) {
        return std::nullopt;
    }
    const auto thresholds = parts.size() < 7 || parts[6].empty() ? std::vector<std::string_view>()
                                                                 : split(parts[6], "/");
    for (std::size_t end = 0; end < std::min(thresholds.size(), runway.ends.size()); ++end) {
        runway.ends[end].threshold = thresholdOf(thresholds[end]);
    }
    return runway;
}

// The zone by the first of its names the system knows: its own, then, where the database links
// it to another zone, that zone's, then every other name linked to the same zone. Qt on Windows
// knows some zones only by a former name (Asia/Calcutta, not Asia/Kolkata).
QTimeZone knownZone(std::string_view zone) {
    const auto byName = [](std::string_view name) {
        return QTimeZone(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
    };
    QTimeZone timeZone = byName(zone);
    if (timeZone.isValid()) {
        return timeZone;
    }
    std::string_view target = zone;
    for (const ZoneLink& link : kZoneLinks) {
        if (link.link == zone) {
            target = link.target;
            timeZone = byName(target);
            if (timeZone.isValid()) {
                return timeZone;
            }
        }
    }
    for (const ZoneLink& link : kZoneLinks) {
        if (link.target == target && link.link != zone) {
            timeZone = byName(link.link);
            if (timeZone.isValid()) {
                return timeZone;
            }
        }
    }
    return timeZone;
}

// A true heading as pilots write one, three digits before the point: "001°", "089.6°".
std::string headingText(double degrees) {
    const std::string digits = shortestNumber(degrees);
    const std::size_t whole = std::min(digits.find('.'), digits.size());
    return std::string(whole < 3 && degrees >= 0 ? 3 - whole : 0, '0') + digits + "°";
}

} // namespace

std::vector<Runway> runwaysOf(std::string_view field) {
    std::vector<Runway> runways;
    for (std::string_view text : wordsOf(field)) {
        if (auto runway = runwayOf(text)) {
            runways.push_back(std::move(*runway));
        }
    }
    return runways;
}

std::vector<RadioFrequency> frequenciesOf(std::string_view field) {
    std::vector<RadioFrequency> frequencies;
    for (std::string_view text : wordsOf(field)) {
        const std::size_t colon = text.find(':');
        const auto megahertz =
            colon == std::string_view::npos ? std::nullopt : numberOf(text.substr(colon + 1));
        if (colon != 0 && megahertz && *megahertz > 0 && *megahertz < kHighestMegahertz) {
            frequencies.push_back({std::string(text.substr(0, colon)),
                                   std::string(text.substr(colon + 1)), *megahertz});
        }
    }
    return frequencies;
}

namespace {

// The wall-clock time in a zone the system knows.
ZoneTime wallClockTime(const QTimeZone& timeZone, std::chrono::sys_seconds instant) {
    const QDateTime utc =
        QDateTime::fromSecsSinceEpoch(instant.time_since_epoch().count(), QTimeZone::utc());
    const QDateTime local = utc.toTimeZone(timeZone);
    return {local.toString(QStringLiteral("yyyy-MM-ddTHH:mm")).toStdString(),
            timeZone.offsetFromUtc(utc)};
}

} // namespace

std::optional<ZoneTime> timeInZone(std::string_view zone, std::chrono::sys_seconds instant) {
    // A name not of the IANA form is never looked up: the database may take it as a path.
    if (!isZoneName(zone)) {
        return std::nullopt;
    }
    const QTimeZone timeZone = knownZone(zone);
    return timeZone.isValid() ? std::optional(wallClockTime(timeZone, instant)) : std::nullopt;
}

// A zone the system knows, or none; the last minute asked of it and its time then.
struct ZoneClock::Zone {
    std::optional<QTimeZone> timeZone;
    std::optional<std::chrono::sys_time<std::chrono::minutes>> minute;
    ZoneTime time;
};

ZoneClock::ZoneClock() = default;
ZoneClock::ZoneClock(ZoneClock&&) noexcept = default;
ZoneClock& ZoneClock::operator=(ZoneClock&&) noexcept = default;
ZoneClock::~ZoneClock() = default;

std::optional<ZoneTime> ZoneClock::timeIn(std::string_view zone, std::chrono::sys_seconds instant) {
    auto& known = known_[std::string(zone)];
    if (!known) {
        known = std::make_unique<Zone>();
        if (const QTimeZone timeZone = isZoneName(zone) ? knownZone(zone) : QTimeZone();
            timeZone.isValid()) {
            known->timeZone = timeZone;
        }
    }
    if (!known->timeZone) {
        return std::nullopt;
    }
    const auto minute = std::chrono::floor<std::chrono::minutes>(instant);
    if (known->minute != minute) {
        known->minute = minute;
        known->time = wallClockTime(*known->timeZone, instant);
    }
    return known->time;
}

std::string utcOffsetText(int seconds) {
    const int minutes = std::abs(seconds) / 60;
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d", seconds < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

std::string degreesAndMinutes(double degrees, bool latitude) {
    // In hundredths of a minute, so that 59.999 minutes round up to the next degree.
    const auto hundredths = static_cast<long long>(std::llround(std::fabs(degrees) * 6000));
    const char hemisphere = latitude ? (degrees < 0 ? 'S' : 'N') : (degrees < 0 ? 'W' : 'E');
    char text[48];
    std::snprintf(text, sizeof text, "%lld\u00B0%02lld.%02lld\u2032%c", hundredths / 6000,
                  hundredths % 6000 / 100, hundredths % 100, hemisphere);
    return text;
}

std::string shortestNumber(double value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

std::string variationText(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f° %s", std::abs(degrees), degrees < 0 ? "W" : "E");
    return text;
}

RunwayWords runwayWords(const Runway& runway, LengthUnit unit, std::optional<double> variation) {
    RunwayWords words;
    std::string headings;
    std::string magnetic;
    for (const RunwayEnd& end : runway.ends) {
        words.ends.append(words.ends.empty() ? "" : "/").append(end.ident);
        if (end.trueHeading) {
            headings.append(headings.empty() ? "" : "/").append(headingText(*end.trueHeading));
            if (variation) {
                const double heading = magneticHeading(*end.trueHeading, *variation);
                magnetic.append(magnetic.empty() ? "" : "/")
                    .append(headingText(std::fmod(std::round(heading * 10) / 10, 360.0)));
            }
        }
    }
    if (words.ends.empty()) {
        words.ends = "runway";
    }
    if (runway.lengthFt || runway.widthFt) {
        const auto shown = [unit](std::optional<int> feet) {
            return feet ? std::to_string(lengthIn(*feet, unit)) : std::string("?");
        };
        words.size = shown(runway.lengthFt) + " × " + shown(runway.widthFt) + lengthSuffix(unit);
    }
    // What the data does not know is said, not left out, so that it is not read as "none".
    words.surface = runway.surface.empty() ? "surface unknown" : runway.surface;
    words.lighting = !runway.lighted ? "lighting unknown" : *runway.lighted ? "lighted" : "unlit";
    words.headings = headings.empty() ? "" : "true headings " + headings;
    if (!magnetic.empty()) {
        words.headings += "  magnetic " + magnetic;
    }
    return words;
}

std::string frequencyWords(const RadioFrequency& frequency) {
    std::string name = frequency.name;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name + "  " + frequency.megahertzText + " MHz";
}

std::optional<double> airfieldVariation(const AirportRecord& record, double decimalYear) {
    constexpr double kKmPerFoot = 0.0003048;
    const auto place = record.place();
    return place ? std::optional(magneticVariation(*place, decimalYear,
                                                   record.elevationFt().value_or(0) * kKmPerFoot))
                 : std::nullopt;
}

AirfieldDetails detailsOf(const AirportRecord& record, std::chrono::sys_seconds now) {
    ZoneClock clock;
    return detailsOf(record, now, clock);
}

AirfieldDetails detailsOf(const AirportRecord& record, std::chrono::sys_seconds now,
                          ZoneClock& clock, std::optional<std::chrono::sys_days> variationDay) {
    AirfieldDetails details;
    details.countryName = std::string(split(record.countryNames, " / ").front());
    details.timeZone = record.timeZone;
    details.zoneTime = clock.timeIn(details.timeZone, now);
    details.runways = runwaysOf(record.runways);
    const double year = decimalYearOf(
        variationDay ? std::chrono::sys_seconds(*variationDay + std::chrono::hours(12)) : now);
    details.magneticVariation = airfieldVariation(record, year);
    details.magneticModelValid = withinMagneticModel(year);
    details.frequencies = frequenciesOf(record.frequencies);
    for (std::string_view name : split(record.keywords, " / ")) {
        if (!name.empty()) {
            details.alternateNames.emplace_back(name);
        }
    }
    for (std::string_view code : wordsOf(record.formerCodes)) {
        details.formerCodes.emplace_back(code);
    }
    return details;
}

} // namespace icao
