// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/airport_record.h"
#include "records/route_legs.h"
#include "search/find.h"
#include "search/find_result.h"
#include "search/flight_plan_words.h"
#include "search/record_source.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace icao {

// How a stop of a route was read.
enum class StopRead {
    IcaoCode,         // the code lookup's record for the word
    FormerCode,       // the first record that had the word as a code before
    IataCode,         // the word is the airfield's IATA code
    Name,             // every word a whole word of its name, place, local names or codes
    Unread,           // nothing reads the words strongly
    Navaid,           // in a flight plan, the ident of the aid nearest the stop before
    Point,            // in a flight plan, coordinates
    MetropolitanCode, // a city's code for all its airports, read as its main one
};

// How a stop was read: its key for JSON ("iata_code"), and in words ("IATA code"), which every
// view tells it by.
struct ReadAs {
    std::string_view key;
    std::string_view words;
};
ReadAs readAs(StopRead read);

// A word of a flight plan that is no stop: DCT, a speed and level, a procedure, an airway
// flown direct, a fix the data does not hold.
struct SkippedWord {
    std::string word;
    PlanWord as;
};

struct RouteStop {
    // The words read, as typed, one space apart.
    std::string given;
    StopRead read = StopRead::Unread;
    // The airfield read, or the navaid's or the point's record; none for a stop unread.
    std::optional<AirportRecord> airport;
    // Other airfields the words may mean, best first, at most kStopCandidates: for a name the
    // next hits of find that read it as strongly, for a stop unread find's best hits or its
    // suggestions.
    std::vector<AirportRecord> candidates;
    // The words of a flight plan passed over since the stop before.
    std::vector<SkippedWord> skippedBefore = {};
    // Whether the first of the candidates is about as likely, in another place.
    bool doubtful = false;
};

// What a stop so read is: a navaid, a point, else an airfield.
constexpr StopKind kindOf(StopRead read) {
    return read == StopRead::Navaid  ? StopKind::Navaid
           : read == StopRead::Point ? StopKind::Point
                                     : StopKind::Airfield;
}

inline constexpr std::size_t kStopCandidates = 3;
// The most words a route holds: far more than any flight plan, few enough that a route is
// read and planned at once.
inline constexpr std::size_t kMaxRouteWords = 1000;
// The most words one name of an airfield spans ("general mitchell international airport").
inline constexpr std::size_t kLongestName = 6;

struct RouteReading {
    std::vector<RouteStop> stops;
    // The last words, still being typed, that read as nothing yet: left out of the stops.
    std::string pending;
    // How many words the text held.
    std::size_t words = 0;
    // The words of a flight plan passed over after the last stop.
    std::vector<SkippedWord> skippedAfter;
};

// What a route's names are asked of.
struct NameFinder {
    // A text's best hits, as find ranks them, with its suggestions.
    std::function<FindResult(const Text& text, std::size_t limit)> find;
    // The same hits but those ranked by word starts or worse, found among the records that hold
    // the words, so that a long route costs little for each span of its words.
    std::function<FindResult(const Text& text, std::size_t limit)> findStrong;
    // Whether the reading is no longer wanted: then it ends at once, its stops unfinished.
    std::function<bool()> abandoned = [] { return false; };
    // The navaids of an ident, in any letter case: where a flight plan names one.
    std::function<std::vector<Navaid>(const std::string& ident)> navaids = [](const std::string&) {
        return std::vector<Navaid>{};
    };
};

// The names asked of records held in memory.
NameFinder namesIn(AirportIndex& index);

// Only so many stops unread are given candidates: each costs a search of every record with
// its edit distances, and a route with more is not mistyped but pasted.
inline constexpr std::size_t kStopsWithCandidates = 10;

// Reads a route as people type it: codes (ICAO, a former code, IATA) and names of several
// words, apart by spaces, dashes, commas, "→", "to" or "via"; or as a flight plan writes it,
// once a word of a flight plan's shape is in it (DCT, a speed and level, an airway, a
// procedure, coordinates): then idents of one to three capitals are navaids, coordinates
// points, and the words of no stop are passed over, as are five capitals that are no airfield's
// code, fixes the data does not hold. A run of words that are not codes
// is split into the fewest spans that each name an airfield strongly (a whole-word match, as
// find ranks it, "san francisco los angeles" being KSFO KLAX); words that none does are a stop
// unread, with candidates (the first kStopsWithCandidates such). The codes are looked up in source,
// the names asked of names; a span never crosses a comma, an arrow, "to" or "via". Unless
// lastWordDone, a last stop that reads as nothing is pending rather than unread.
Expected<RouteReading> readRoute(std::string_view text, const RecordSource& source,
                                 const NameFinder& names, bool lastWordDone = true);

// How many words readRoute finds in the text, before it reads any.
std::size_t countRouteWords(std::string_view text);

// Each code a stop, read as the code lookup reads it, or as a former code; nothing else.
Expected<RouteReading> readCodes(const std::vector<Text>& codes, const RecordSource& source);

// The legs from each stop to the next, over a spherical earth. Where a stop is unread or its
// airfield has no coordinates, the route has no legs and unknown names those stops.
Route routeThrough(const RouteReading& reading);

} // namespace icao
