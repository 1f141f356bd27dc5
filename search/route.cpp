// SPDX-License-Identifier: MIT
#include "search/route.h"

#include "search/airports_by_code.h"

namespace icao {

Expected<Route> planRoute(const std::vector<Text>& codes, const RecordSource& source,
                          const StopReader& otherwise) {
    auto airports = airportsByCode(codes, source);
    if (!airports) {
        return airports.error();
    }
    Route route;
    std::vector<Place> places;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        auto& airport = (*airports)[i];
        if (!airport && otherwise) {
            airport = otherwise(codes[i]);
        }
        const auto place = airport ? airport->place() : std::nullopt;
        if (place) {
            places.push_back(*place);
        } else {
            route.unknown.push_back(i);
        }
    }
    if (!route.unknown.empty()) {
        return route;
    }
    for (std::size_t i = 0; i + 1 < codes.size(); ++i) {
        const double distance = distanceKm(places[i], places[i + 1]);
        route.legs.push_back({*(*airports)[i], *(*airports)[i + 1], distance,
                              initialCourse(places[i], places[i + 1])});
        route.totalKm += distance;
    }
    return route;
}

} // namespace icao
