// SPDX-License-Identifier: MIT
#pragma once

#include "cli/arguments.h"
#include "records/nearby_airport.h"
#include "records/route_legs.h"

#include <string>

// The maps of --format svg, each written to --output's file or else to standard output;
// each yields the exit status, an error that names the file and the reason when it cannot be
// written.

// The route: every airfield of it marked with its code, each leg its great circle.
int drawRoute(const icao::Route& route, const Arguments& arguments);
// The airfields nearest an origin, named by `label` (its code, or the LAT,LON asked), with
// rings at round distances from it; the origin's runways where the record gives them.
int drawNeighbourhood(const std::string& label, const icao::Place& origin,
                      const std::optional<icao::AirportRecord>& originRecord,
                      const std::vector<icao::NearbyAirport>& airports, const Arguments& arguments);
// The airfield and its runways.
int drawAirfield(const icao::AirportRecord& record, const Arguments& arguments);
