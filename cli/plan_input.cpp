// SPDX-License-Identifier: MIT
#include "cli/plan_input.h"

#include "plans/plan_route.h"
#include "search/airports_by_code.h"
#include "search/navaids.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

icao::Expected<std::string> routeTextOfPlanFile(const std::filesystem::path& plan,
                                                const std::filesystem::path& dataFile) {
    const auto file = icao::readPlanFile(plan);
    if (!file) {
        return file.error();
    }
    // Every code and ident the plan names, looked up at once.
    std::set<std::string> names;
    for (const icao::PlanWaypoint& waypoint : file->waypoints) {
        std::string name = waypoint.ident;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        names.insert(std::move(name));
    }
    std::vector<std::string> fourLetters;
    std::vector<icao::Text> codes;
    for (const std::string& name : names) {
        if (name.size() == 4) {
            fourLetters.push_back(name);
            codes.push_back(icao::decodeText(name));
        }
    }
    std::map<std::string, icao::Place> airfields;
    if (!codes.empty()) {
        const auto records = icao::airportsByCode(codes, dataFile);
        if (!records) {
            return records.error();
        }
        for (std::size_t i = 0; i < records->size(); ++i) {
            const auto& record = (*records)[i];
            if (const auto place = record ? record->place() : std::nullopt) {
                airfields.emplace(fourLetters[i], *place);
            }
        }
    }
    std::multimap<std::string, icao::Place> navaids;
    if (const auto aids = icao::readNavaids(icao::navaidsFileBeside(dataFile))) {
        for (const icao::Navaid& navaid : *aids) {
            if (names.contains(navaid.ident)) {
                navaids.emplace(navaid.ident, navaid.place);
            }
        }
    }
    const icao::PlanLookup lookup{
        [&airfields](const std::string& code) -> std::optional<icao::Place> {
            const auto found = airfields.find(code);
            return found == airfields.end() ? std::nullopt : std::optional(found->second);
        },
        [&navaids](const std::string& ident) {
            std::vector<icao::Place> places;
            const auto [first, last] = navaids.equal_range(ident);
            for (auto at = first; at != last; ++at) {
                places.push_back(at->second);
            }
            return places;
        }};
    return icao::routeTextOf(*file, lookup);
}
