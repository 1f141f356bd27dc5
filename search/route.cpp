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
    std::vector<Place> places;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const auto place = (*airports)[i] ? (*airports)[i]->place() : std::nullopt;
        if (place) {
            places.push_back(*place);
        } else {
            route.unknown.push_back(codes[i]);
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
