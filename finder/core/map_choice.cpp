// SPDX-License-Identifier: MIT
#include "finder/core/map_choice.h"

void MapChoice::airfieldChanged(bool shown) {
    airfieldShown_ = shown;
    ++airfieldVersion_;
}

void MapChoice::routeChanged(bool hasLegs, bool stopsMoved) {
    routeHasLegs_ = hasLegs;
    if (stopsMoved) {
        ++routeVersion_;
    }
}

std::optional<MapChoice::Subject> MapChoice::toDraw() {
    const bool route = routeHasLegs_ && (asked_ == Subject::Route || !airfieldShown_);
    const std::pair wanted = route            ? std::pair{Subject::Route, routeVersion_}
                             : airfieldShown_ ? std::pair{Subject::Airfield, airfieldVersion_}
                                              : std::pair{Subject::Overview, overviewVersion_};
    if (wanted == drawn_) {
        return std::nullopt;
    }
    drawn_ = wanted;
    return wanted.first;
}
