// SPDX-License-Identifier: MIT
#include "finder/core/route_planner.h"

#include "plans/plan_route.h"
#include "platform/path_text.h"
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

void RoutePlanner::readPlanFile(const QString& path) {
    const auto file = icao::readPlanFile(icao::pathFromUtf8(path.toStdString()));
    if (!file) {
        emit planFileRead({}, QString::fromStdString(file.error().describe()));
        return;
    }
    const SharedIndex index = index_;
    const SharedNavaids navaids = navaids_;
    const icao::PlanLookup lookup{
        [&index](const std::string& code) -> std::optional<icao::Place> {
            const auto item = index ? index->itemByCode(icao::decodeText(code)) : std::nullopt;
            return item ? icao::AirportRecord::fromItem(item->bytes, item->line).place()
                        : std::nullopt;
        },
        [&navaids](const std::string& ident) {
            std::vector<icao::Place> places;
            for (const icao::Navaid& navaid :
                 navaids ? icao::navaidsWithIdent(*navaids, icao::decodeText(ident))
                         : std::vector<icao::Navaid>{}) {
                places.push_back(navaid.place);
            }
            return places;
        }};
    emit planFileRead(QString::fromStdString(icao::routeTextOf(*file, lookup)), {});
}
