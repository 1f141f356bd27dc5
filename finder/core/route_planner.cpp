// SPDX-License-Identifier: MIT
#include "finder/core/route_planner.h"

#include "search/navaids.h"

void RoutePlanner::plan(quint64 generation, const QString& text, bool typed) {
    const auto outdated = [this, generation] { return generation < latest_.load(); };
    // The index is held for the plan, should the file be read anew meanwhile.
    const SharedIndex index = index_;
    if (outdated() || !index) {
        return;
    }
    const std::string words = text.toStdString();
    if (const std::size_t count = icao::countRouteWords(words); count > icao::kMaxRouteWords) {
        emit planned(RoutePlan{text, {}, {}, count});
        return;
    }
    icao::NameFinder names = icao::namesIn(*index);
    names.abandoned = outdated;
    if (const SharedNavaids navaids = navaids_) {
        names.navaids = [navaids](const std::string& ident) {
            return icao::navaidsWithIdent(*navaids, icao::decodeText(ident));
        };
    }
    auto reading = icao::readRoute(words, *index, names, typed);
    if (outdated() || !reading) {
        return;
    }
    RoutePlan plan{text, std::move(*reading), {}, 0};
    plan.route = icao::routeThrough(plan.reading);
    emit planned(plan);
}
