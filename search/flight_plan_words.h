// SPDX-License-Identifier: MIT
#pragma once

#include "records/geo.h"

#include <optional>
#include <string_view>

namespace icao {

// What a word of a route means as a flight plan's route writes it, in capitals.
enum class PlanWord {
    Direct,        // DCT: straight on to the next point
    SpeedAndLevel, // N0450F350, M082F390, K0830S1100, FL350: a cruising speed and level from here
    FlightRules,   // IFR or VFR: the rules change here
    Procedure,     // BPK7F, LAM3A: a departure or arrival procedure
    Airway,        // UN601, L9, Q41, T420, J80, V23: an airway to the next point
    Coordinates,   // 5030N00100W, 50N010W: a point by its latitude and longitude
    FiveLetters,   // a fix or waypoint named by five capitals
    Other,         // none of these: a code, an ident or a name
};

// The word's meaning by its shape alone; DCT also in small letters, as pilots type it.
PlanWord planWordOf(std::string_view word);

// Whether the word by its shape alone says that the route is written as a flight plan: any but
// five capitals, which may be a name, or a word of another shape.
bool marksFlightPlan(PlanWord word);

// How the answers tell a word of this meaning passed over: its name in JSON ("procedure",
// "airway_flown_direct") and why it is no stop, as notes say it ("departure or arrival
// procedure", "airway not in the data, flown direct").
struct PassedOver {
    std::string_view key;
    std::string_view why;
};
PassedOver passedOver(PlanWord word);

// The place of coordinates written as a flight plan writes them: degrees, degrees and minutes,
// or degrees, minutes and seconds (as plan files give a point), of latitude then of longitude:
// 50N010W, 5030N00100W, 503015N0010030W; none for another word or a place off the earth.
std::optional<Place> placeOfPlanCoordinates(std::string_view word);

} // namespace icao
