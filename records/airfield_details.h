// SPDX-License-Identifier: MIT
#pragma once

#include "records/airport_record.h"
#include "records/units.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace icao {

struct RunwayEnd {
    std::string ident;
    // In degrees from true north.
    std::optional<double> trueHeading;
    // Where the runway begins at this end.
    std::optional<Place> threshold;
};

// A runway as the record's RUNWAYS field holds it; what the field leaves out is empty or none.
struct Runway {
    std::vector<RunwayEnd> ends;
    std::optional<int> lengthFt;
    std::optional<int> widthFt;
    std::string surface;
    std::optional<bool> lighted;
};

struct RadioFrequency {
    std::string name;
    // As the record writes it ("130.000"): the digits the source gave.
    std::string megahertzText;
    double megahertz;
};

// The wall-clock time in a time zone at one instant.
struct ZoneTime {
    // "2026-12-08T06:10"
    std::string localTime;
    int utcOffsetSeconds;
};

// The runways of a RUNWAYS field; a runway not written as six parts is left out, and a length,
// width or heading out of any runway's range is unknown.
std::vector<Runway> runwaysOf(std::string_view field);
// The frequencies of a FREQUENCIES field; one that is not NAME:MHZ below 1 GHz is left out.
std::vector<RadioFrequency> frequenciesOf(std::string_view field);

// The time in an IANA time zone at the instant, by the system's time-zone database; none where
// the name is not of the IANA form (see isZoneName) or the system does not know the zone.
std::optional<ZoneTime> timeInZone(std::string_view zone, std::chrono::sys_seconds instant);
// The times in zones, each worked out once a zone and minute (every zone's offset is whole
// minutes): many answers in a row share a few hundred zones.
class ZoneClock {
  public:
    ZoneClock();
    ZoneClock(ZoneClock&&) noexcept;
    ZoneClock& operator=(ZoneClock&&) noexcept;
    ~ZoneClock();

    // As timeInZone: each zone looked up once, its time at the last minute asked kept.
    std::optional<ZoneTime> timeIn(std::string_view zone, std::chrono::sys_seconds instant);

  private:
    struct Zone;
    std::unordered_map<std::string, std::unique_ptr<Zone>> known_;
};

// "+01:00", "-03:30", "+00:00".
std::string utcOffsetText(int seconds);
// "51°28.24′N": whole degrees, minutes to two decimals, the hemisphere's letter.
std::string degreesAndMinutes(double degrees, bool latitude);

// A number in the fewest digits that read back as it: 89.6, 270, 118.0125.
std::string shortestNumber(double value);

// A runway told in words, a part each, as icao info and the finder show it: its ends
// ("09L/27R", or "runway"), its size ("12799 × 164 ft"), surface, lighting ("lighted",
// "unlit") and true headings in three digits before the point ("true headings 089.6°/269.6°");
// a part the record lacks is empty.
struct RunwayWords {
    std::string ends;
    std::string size;
    std::string surface;
    std::string lighting;
    std::string headings;
};
// With a magnetic variation, the headings are given magnetic too.
RunwayWords runwayWords(const Runway& runway, LengthUnit unit = LengthUnit::Foot,
                        std::optional<double> variation = std::nullopt);
// "ATIS  113.75 MHz", the MHz as the record writes them.
std::string frequencyWords(const RadioFrequency& frequency);

// What a record tells beyond its first fields, read out for display.
struct AirfieldDetails {
    // The country's English name; empty where the record has none.
    std::string countryName;
    std::string timeZone;
    // Where the zone is set and the system knows it.
    std::optional<ZoneTime> zoneTime;
    std::vector<Runway> runways;
    std::vector<RadioFrequency> frequencies;
    // The record's keywords, one a name.
    std::vector<std::string> alternateNames;
    // The ICAO codes the airfield had before.
    std::vector<std::string> formerCodes;
    // The magnetic variation at the airfield at the instant asked, degrees east positive;
    // none without coordinates.
    std::optional<double> magneticVariation;
    // Whether that instant lies within the years the magnetic model is made for.
    bool magneticModelValid = true;
};

// The magnetic variation at the airfield, at its place and elevation, in the decimal year; none
// without coordinates. info and dist take it alike.
std::optional<double> airfieldVariation(const AirportRecord& record, double decimalYear);

// A magnetic variation as pilots say it: "1.0° W", "12.9° E".
std::string variationText(double degrees);

AirfieldDetails detailsOf(const AirportRecord& record, std::chrono::sys_seconds now);
// The same, the local time by the clock; the magnetic variation on the day asked (at noon UTC)
// where one is.
AirfieldDetails detailsOf(const AirportRecord& record, std::chrono::sys_seconds now,
                          ZoneClock& clock,
                          std::optional<std::chrono::sys_days> variationDay = std::nullopt);

// Now, to the second, for detailsOf.
inline std::chrono::sys_seconds secondsNow() {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

} // namespace icao
