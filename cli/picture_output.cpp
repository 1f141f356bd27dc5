// SPDX-License-Identifier: MIT
#include "cli/picture_output.h"

#include "cli/commands.h"
#include "map/neighbourhood_map.h"
#include "map/route_map.h"
#include "map/svg_writer.h"
#include "platform/path_text.h"
#include "search/airfield_details.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

namespace {

int writePicture(const std::string& picture, const Arguments& arguments) {
    if (!arguments.output) {
        std::cout << picture;
        return kExitFound;
    }
    std::ofstream file(icao::pathFromUtf8(*arguments.output), std::ios::binary | std::ios::trunc);
    if (file) {
        file << picture;
        file.close();
    }
    if (!file) {
        std::cerr << "icao: " << *arguments.output
                  << ": cannot be written: " << std::strerror(errno) << '\n';
        return kExitError;
    }
    return kExitFound;
}

} // namespace

int drawRoute(const icao::Route& route, const Arguments& arguments) {
    std::vector<icao::MapStop> stops;
    for (const icao::Leg& leg : route.legs) {
        stops.push_back(icao::mapStopOf(leg.from));
    }
    stops.push_back(icao::mapStopOf(route.legs.back().to));
    return writePicture(icao::svgOf(icao::routeMap(stops, icao::builtInWorld()).drawing),
                        arguments);
}

int drawNeighbourhood(const std::string& label, const icao::Place& origin,
                      const std::optional<icao::AirportRecord>& originRecord,
                      const std::vector<icao::NearbyAirport>& airports,
                      const Arguments& arguments) {
    icao::Neighbourhood neighbourhood{{label, origin, {}}, {}, true, "Near " + label};
    if (originRecord) {
        neighbourhood.origin = icao::mapStopOf(*originRecord);
    }
    for (const icao::NearbyAirport& airport : airports) {
        neighbourhood.neighbours.push_back(icao::mapStopOf(airport.record));
    }
    const icao::MapView view = icao::neighbourhoodView(neighbourhood);
    return writePicture(
        icao::svgOf(icao::neighbourhoodDrawing(neighbourhood, icao::builtInWorld(), view)),
        arguments);
}

int drawAirfield(const icao::AirportRecord& record, const Arguments& arguments) {
    const icao::Neighbourhood airfield{icao::mapStopOf(record),
                                       {},
                                       false,
                                       icao::toUtf8(record.code) + "  " +
                                           icao::toUtf8(record.name)};
    const icao::MapView view = icao::neighbourhoodView(airfield);
    return writePicture(
        icao::svgOf(icao::neighbourhoodDrawing(airfield, icao::builtInWorld(), view)), arguments);
}
