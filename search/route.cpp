// SPDX-License-Identifier: MIT
#include "search/route.h"

#include "search/airports_by_code.h"

namespace icao {

Expected<Route> planRoute(const std::vector<Text>& codes, const std::filesystem::path& dataFile) {
    const auto airports = airportsByCode(codes, dataFile);
    if (!airports) {
        return airports.error();
    }
    Route route;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (!(*airports)[i] || !(*airports)[i]->place()) {
            route.unknown.push_back(codes[i]);
        }
    }
    if (!route.unknown.empty()) {
        return route;
    }
    for (std::size_t i = 0; i + 1 < codes.size(); ++i) {
        const AirportRecord& from = *(*airports)[i];
        const AirportRecord& to = *(*airports)[i + 1];
        const double distance = distanceKm(*from.place(), *to.place());
        route.legs.push_back({from, to, distance, initialCourse(*from.place(), *to.place())});
        route.totalKm += distance;
    }
    return route;
}

} // namespace icao
