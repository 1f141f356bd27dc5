// SPDX-License-Identifier: MIT
#include "sheet/airfield_sheet.h"

#include "lookup/airfield_kind.h"
#include "lookup/text.h"
#include "records/geo.h"
#include "records/sun_times.h"
#include "records/units.h"
#include "sheet/runway_value.h"

#include <algorithm>
#include <cstdio>

namespace icao {

namespace {

using Lines = std::vector<std::vector<std::string>>;

// A record's text as JSON takes it: decoded as records are where it is not UTF-8, so that it
// always parses.
SheetValue textValue(const std::string& text) {
    return isValidUtf8(text) ? SheetValue(text) : SheetValue(toUtf8(decodeText(text)));
}

SheetEntry entry(std::string key, std::string label, Lines lines, std::string plain,
                 SheetValue value) {
    return {std::move(key),   std::move(label), false,
            std::move(lines), std::move(plain), std::move(value)};
}

// A text on one line; none where it is empty, or an empty text where it is always given.
SheetEntry textEntry(std::string key, std::string label, const std::string& text,
                     bool always = false) {
    if (text.empty() && !always) {
        return entry(std::move(key), std::move(label), {}, "", nullptr);
    }
    return entry(std::move(key), std::move(label), {{text}}, text, textValue(text));
}

SheetEntry missing(std::string key, std::string label) {
    return entry(std::move(key), std::move(label), {}, "", nullptr);
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// A coordinate as the record writes it, beside its degrees and minutes; "unknown" for both
// where the record gives no place, lest one be taken for a place.
SheetEntry coordinate(const AirportRecord& record, const std::optional<Place>& place,
                      bool latitude) {
    std::string key = latitude ? "latitude" : "longitude";
    std::string label = key;
    if (!place) {
        return entry(std::move(key), std::move(label), {{"unknown"}}, "", nullptr);
    }
    const std::string& text = latitude ? record.latitude : record.longitude;
    const double degrees = latitude ? place->latitude : place->longitude;
    return entry(std::move(key), std::move(label), {{text, degreesAndMinutes(degrees, latitude)}},
                 text, degrees);
}

// East positive, in degrees, where the model gives it; the text says where the model is carried
// past the years it is made for.
SheetEntry variation(const AirfieldDetails& details) {
    if (!details.magneticVariation) {
        return missing("magnetic_variation", "magnetic variation");
    }
    std::string shown = variationText(*details.magneticVariation);
    if (!details.magneticModelValid) {
        shown += " (carried past the model's years, 2025 to 2029: less sure)";
    }
    return entry("magnetic_variation", "magnetic variation", {{shown}},
                 fixed(*details.magneticVariation, 1), *details.magneticVariation);
}

SheetEntry modelValid(const AirfieldDetails& details) {
    SheetEntry valid = missing("magnetic_model_valid", "magnetic_model_valid");
    valid.machineOnly = true;
    if (details.magneticVariation) {
        const std::string truth = details.magneticModelValid ? "true" : "false";
        valid.lines = {{truth}};
        valid.plain = truth;
        valid.value = details.magneticModelValid;
    }
    return valid;
}

SheetEntry zone(const AirfieldDetails& details) {
    SheetEntry zone = textEntry("timezone", "time zone", details.timeZone);
    if (!details.timeZone.empty() && !details.zoneTime) {
        zone.lines.front().front() += " (not known to this system: no local time)";
    }
    return zone;
}

SheetEntry localTime(const AirfieldDetails& details) {
    if (!details.zoneTime) {
        return missing("local_time", "local time");
    }
    SheetEntry time = textEntry("local_time", "local time", details.zoneTime->localTime);
    std::string& shown = time.lines.front().front();
    shown[shown.find('T')] = ' ';
    return time;
}

// A crossing of the sun: its time in UTC and, where the zone is known, local (at the zone's
// offset then); ISO 8601 UTC in TSV and JSON; none on a day it does not come, which the text
// says.
SheetEntry sun(std::string key, std::string label, const std::optional<Place>& place,
               const std::optional<std::chrono::sys_seconds>& at, const SunCrossing& crossing,
               bool twilight, const AirfieldDetails& details, ZoneClock& clock) {
    if (!place) {
        return missing(std::move(key), std::move(label));
    }
    if (!at) {
        return entry(std::move(key), std::move(label),
                     {{std::string(whyNoCrossing(crossing, twilight))}}, "", nullptr);
    }
    using namespace std::chrono;
    const auto day = floor<days>(*at);
    const year_month_day date(day);
    const hh_mm_ss time(*at - day);
    char iso[32];
    std::snprintf(iso, sizeof iso, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    const auto local = clock.timeIn(details.timeZone, *at);
    return entry(std::move(key), std::move(label),
                 {{crossingWords(*at, local ? std::optional(local->utcOffsetSeconds) : std::nullopt,
                                 crossing.again)}},
                 iso, std::string(iso));
}

// A runway a line in its parts; a part no runway has (the surface, often) left out of every
// line, so that the columns line up.
SheetEntry runways(const AirportRecord& record, const AirfieldDetails& details, LengthUnit unit) {
    Lines lines;
    SheetValue::List values;
    for (const Runway& runway : details.runways) {
        RunwayWords words = runwayWords(runway, unit, details.magneticVariation);
        lines.push_back({std::move(words.ends), std::move(words.size), std::move(words.surface),
                         std::move(words.lighting), std::move(words.headings)});
        values.push_back(runwayValue(runway, details.magneticVariation));
    }
    for (std::size_t part = lines.empty() ? 0 : lines.front().size(); part-- > 0;) {
        if (std::all_of(lines.begin(), lines.end(),
                        [part](const auto& line) { return line[part].empty(); })) {
            for (auto& line : lines) {
                line.erase(line.begin() + static_cast<std::ptrdiff_t>(part));
            }
        }
    }
    return entry("runways", "runways", std::move(lines), record.runways, std::move(values));
}

// "ATIS  113.75 MHz" a line; in JSON a member a frequency, a name again (a second tower)
// numbered, so that every frequency is kept.
SheetEntry frequencies(const AirportRecord& record, const AirfieldDetails& details) {
    Lines lines;
    SheetValue::Members members;
    const auto taken = [&members](const std::string& key) {
        return std::any_of(members.begin(), members.end(),
                           [&key](const auto& member) { return member.first == key; });
    };
    for (const RadioFrequency& frequency : details.frequencies) {
        lines.push_back({frequencyWords(frequency)});
        std::string key = frequency.name;
        for (int n = 2; taken(key); ++n) {
            key = frequency.name + "_" + std::to_string(n);
        }
        members.emplace_back(std::move(key), frequency.megahertz);
    }
    return entry("frequencies", "frequencies", std::move(lines), record.frequencies,
                 std::move(members));
}

// The aids within reach, nearest first: "LON  VOR-DME  113.60 MHz  1.0 NM  1.9 km  346°" a
// line, TSV their idents, JSON a list of objects.
SheetEntry navaidsNear(const std::optional<Place>& place,
                       const std::optional<std::vector<NearbyNavaid>>& navaids,
                       const std::vector<DistanceUnit>& units) {
    if (!place || !navaids) {
        return missing("navaids", "navaids");
    }
    Lines lines;
    SheetValue::List values;
    std::string idents;
    for (const NearbyNavaid& aid : *navaids) {
        std::vector<std::string> line{aid.navaid.ident, aid.navaid.type,
                                      frequencyWords(aid.navaid)};
        for (const DistanceUnit unit : units) {
            line.push_back(distanceWords(aid.distanceKm, unit, 1));
        }
        line.push_back(courseWords(aid.course));
        lines.push_back(std::move(line));
        idents += (idents.empty() ? "" : " ") + aid.navaid.ident;
        values.push_back(
            SheetValue::Members{{"ident", aid.navaid.ident},
                                {"type", aid.navaid.type},
                                {"frequency", SheetValue::orNull(numberOf(aid.navaid.frequency))},
                                {"distance_nm", aid.distanceKm / kKmPerNauticalMile},
                                {"distance_km", aid.distanceKm},
                                {"bearing", aid.course}});
    }
    return entry("navaids", "navaids", std::move(lines), std::move(idents), std::move(values));
}

} // namespace

SheetEntry elevationEntry(const AirportRecord& record, LengthUnit unit) {
    std::string key = unit == LengthUnit::Metre ? "elevation_m" : "elevation_ft";
    const auto feet = record.elevationFt();
    if (!feet) {
        return entry(std::move(key), "elevation", {{"unknown"}}, "", nullptr);
    }
    // Feet as the record writes them; metres whole.
    if (unit == LengthUnit::Foot) {
        return entry(std::move(key), "elevation", {{record.elevation + " ft"}}, record.elevation,
                     *feet);
    }
    const int metres = lengthIn(*feet, unit);
    return entry(std::move(key), "elevation", {{std::to_string(metres) + " m"}},
                 std::to_string(metres), metres);
}

std::vector<SheetEntry> airfieldSheet(const AirportRecord& record, const AirfieldDetails& details,
                                      const std::optional<std::vector<NearbyNavaid>>& navaids,
                                      const SheetTerms& terms, ZoneClock& clock) {
    const auto place = record.place();
    // The day is the airfield's date in its zone, where that is known.
    const int aheadOfUtc = details.zoneTime ? details.zoneTime->utcOffsetSeconds : 0;
    const SunTimes sunTimes =
        place ? sunTimesOn(*place, terms.day.value_or(dayInZone(terms.now, aheadOfUtc)), aheadOfUtc)
              : SunTimes{};
    SheetEntry former = textEntry("former_codes", "former codes", record.formerCodes);
    if (details.formerCodes.empty()) {
        former = missing("former_codes", "former codes");
    } else {
        former.value = details.formerCodes;
    }
    SheetEntry keywords = textEntry("keywords", "also known as", record.keywords);
    keywords.value = details.alternateNames;
    return std::vector<SheetEntry>{
        textEntry("icao", "ICAO code", record.code, true),
        textEntry("iata", "IATA code", record.iata),
        textEntry("local_code", "local code", record.localCode),
        std::move(former),
        textEntry("name", "name", record.name, true),
        textEntry("kind", "kind", std::string(kindName(record.kind()))),
        textEntry("municipality", "municipality", record.municipality),
        textEntry("region", "region", record.region),
        textEntry("country", "country", record.country),
        textEntry("country_name", "country name", details.countryName),
        coordinate(record, place, true),
        coordinate(record, place, false),
        elevationEntry(record, terms.length),
        variation(details),
        modelValid(details),
        zone(details),
        details.zoneTime ? textEntry("utc_offset", "UTC offset",
                                     utcOffsetText(details.zoneTime->utcOffsetSeconds))
                         : missing("utc_offset", "UTC offset"),
        localTime(details),
        sun("civil_dawn", "civil dawn", place, sunTimes.civil.up, sunTimes.civil, true, details,
            clock),
        sun("sunrise", "sunrise", place, sunTimes.sun.up, sunTimes.sun, false, details, clock),
        sun("sunset", "sunset", place, sunTimes.sun.down, sunTimes.sun, false, details, clock),
        sun("civil_dusk", "civil dusk", place, sunTimes.civil.down, sunTimes.civil, true, details,
            clock),
        runways(record, details, terms.length),
        frequencies(record, details),
        navaidsNear(place, navaids, terms.distances),
        std::move(keywords),
    };
}

std::vector<SheetEntry> airfieldSheetHeadings(LengthUnit length) {
    ZoneClock clock;
    return airfieldSheet(AirportRecord{}, AirfieldDetails{}, std::nullopt, {length, {}, {}, {}},
                         clock);
}

} // namespace icao
