// SPDX-License-Identifier: MIT
#include "cli/picture_output.h"

#include "cli/commands.h"
#include "cli/output_file.h"
#include "map/neighbourhood_map.h"
#include "map/route_map.h"
#include "map/svg_writer.h"

namespace {

// A map measures in the one unit asked for, kilometres when none is.
icao::DistanceUnit mapUnitOf(const Arguments& arguments) {
    return arguments.distanceUnit.value_or(icao::DistanceUnit::Kilometre);
}

} // namespace

int drawRoute(const icao::Route& route, const Arguments& arguments) {
    return writeOutput(
        icao::svgOf(icao::routeMap(icao::stopsOf(route), icao::builtInWorld(), mapUnitOf(arguments))
                        .drawing),
        arguments);
}

int drawNeighbourhood(const std::string& label, const icao::Place& origin,
                      const std::optional<icao::AirportRecord>& originRecord,
                      const std::vector<icao::NearbyAirport>& airports,
                      const Arguments& arguments) {
    const icao::Neighbourhood neighbourhood =
        icao::neighbourhoodOf(originRecord ? icao::markedAirfieldOf(*originRecord)
                                           : icao::MarkedAirfield{label, label, origin, {}},
                              airports, "Near " + label);
    const icao::MapView view = icao::neighbourhoodView(neighbourhood);
    return writeOutput(icao::svgOf(icao::neighbourhoodDrawing(neighbourhood, icao::builtInWorld(),
                                                              view, mapUnitOf(arguments))),
                       arguments);
}

int drawAirfield(const icao::AirportRecord& record, const Arguments& arguments) {
    const icao::Neighbourhood airfield = icao::airfieldAlone(record);
    const icao::MapView view = icao::neighbourhoodView(airfield);
    return writeOutput(icao::svgOf(icao::neighbourhoodDrawing(airfield, icao::builtInWorld(), view,
                                                              mapUnitOf(arguments))),
                       arguments);
}
