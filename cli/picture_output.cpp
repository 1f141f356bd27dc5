// SPDX-License-Identifier: MIT
#include "cli/picture_output.h"

#include "cli/commands.h"
#include "map/neighbourhood_map.h"
#include "map/route_map.h"
#include "map/svg_writer.h"
#include "platform/path_text.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <system_error>

namespace {

// A name beside FILE that no other file has, for the picture while it is written.
std::filesystem::path temporaryBeside(const std::filesystem::path& file) {
    std::random_device seed;
    std::filesystem::path temporary;
    do {
        // Built in steps: GCC 12 warns wrongly of overlap in one chain of additions.
        std::string name = file.filename().string();
        name.insert(0, 1, '.');
        name += '.';
        name += std::to_string(seed());
        name += ".part";
        temporary = file;
        temporary.replace_filename(name);
    } while (std::filesystem::exists(temporary));
    return temporary;
}

// The picture goes to a temporary file beside FILE, renamed over it once the whole picture is
// written and flushed: a failure midway (a full disk) leaves FILE as it was.
int writePicture(const std::string& picture, const Arguments& arguments) {
    if (!arguments.output) {
        std::cout << picture;
        return kExitFound;
    }
    const std::filesystem::path output = icao::pathFromUtf8(*arguments.output);
    const std::filesystem::path temporary = temporaryBeside(output);
    std::error_code error;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << picture;
        file.close();
        if (!file) {
            error.assign(errno ? errno : EIO, std::generic_category());
        }
    }
    if (!error) {
        std::filesystem::rename(temporary, output, error);
    }
    if (error) {
        std::error_code unused;
        std::filesystem::remove(temporary, unused);
        warn(*arguments.output + ": cannot be written: " + error.message());
        return kExitError;
    }
    return kExitFound;
}

// A map measures in the one unit asked for, kilometres when none is.
icao::DistanceUnit mapUnitOf(const Arguments& arguments) {
    return arguments.distanceUnit.value_or(icao::DistanceUnit::Kilometre);
}

} // namespace

int drawRoute(const icao::Route& route, const Arguments& arguments) {
    return writePicture(
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
    return writePicture(icao::svgOf(icao::neighbourhoodDrawing(neighbourhood, icao::builtInWorld(),
                                                               view, mapUnitOf(arguments))),
                        arguments);
}

int drawAirfield(const icao::AirportRecord& record, const Arguments& arguments) {
    const icao::Neighbourhood airfield = icao::airfieldAlone(record);
    const icao::MapView view = icao::neighbourhoodView(airfield);
    return writePicture(icao::svgOf(icao::neighbourhoodDrawing(airfield, icao::builtInWorld(), view,
                                                               mapUnitOf(arguments))),
                        arguments);
}
