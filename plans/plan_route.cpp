// SPDX-License-Identifier: MIT
#include "plans/plan_route.h"

#include "plans/plan.h"

#include <algorithm>
#include <cctype>

namespace icao {

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool isAlphanumeric(const std::string& word) {
    return !word.empty() && std::all_of(word.begin(), word.end(),
                                        [](unsigned char c) { return std::isalnum(c) != 0; });
}

// The word a waypoint is read by.
std::string wordOf(const PlanWaypoint& waypoint, const PlanLookup& lookup) {
    const std::string ident = upper(waypoint.ident);
    const auto near = [&waypoint](const Place& place) {
        return distanceKm(place, waypoint.place) <= kPlanMatchKm;
    };
    if (waypoint.kind != StopKind::Point && isAlphanumeric(ident)) {
        // A flight plan reads four characters as an airfield's code, one to three as a
        // navaid's ident.
        if (ident.size() == 4) {
            if (const auto airfield = lookup.airfield(ident); airfield && near(*airfield)) {
                return ident;
            }
        } else if (ident.size() <= 3) {
            const std::vector<Place> navaids = lookup.navaids(ident);
            if (std::any_of(navaids.begin(), navaids.end(), near)) {
                return ident;
            }
        }
    }
    return coordinatesWord(waypoint.place);
}

} // namespace

std::string routeTextOf(const PlanFile& plan, const PlanLookup& lookup) {
    if (plan.waypoints.empty()) {
        return plan.routeText;
    }
    std::vector<std::string> words;
    for (const PlanWaypoint& waypoint : plan.waypoints) {
        words.push_back(wordOf(waypoint, lookup));
    }
    // A navaid's ident is read as one only in a flight plan: coordinates make the text one, else
    // a DCT after the first stop does. One DCT, not one a leg, so that a plan of as many stops
    // as a route holds words is read whole.
    const bool flightPlan = std::any_of(words.begin(), words.end(), [](const std::string& word) {
        return word.size() > 4 && std::isdigit(static_cast<unsigned char>(word.front()));
    });
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += i == 0 ? "" : " ";
        text += words[i];
        if (i == 0 && !flightPlan) {
            text += " DCT";
        }
    }
    return text;
}

} // namespace icao
