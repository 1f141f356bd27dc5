// SPDX-License-Identifier: MIT
#pragma once

#include "records/airport_record.h"
#include "records/navaid.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace icao {

// What a stop of a route is: an airfield, a radio navigation aid, or a point given by its
// latitude and longitude. The aid and the point are carried as records of their own, their
// ident or coordinates as the code.
enum class StopKind { Airfield, Navaid, Point };

// "airfield", "navaid" or "point", as TSV and JSON name the kind.
std::string_view nameOf(StopKind kind);

// A navaid as a stop: its ident the code, its name and type the name ("Compton VOR-DME").
AirportRecord recordOfNavaid(const Navaid& navaid);
// A point as a stop, the words it was written in its code.
AirportRecord recordOfPoint(std::string written, const Place& place);

// One leg of a route: the great circle from one stop to the next.
struct Leg {
    AirportRecord from;
    AirportRecord to;
    double distanceKm;
    // The initial true course, in degrees.
    double course;
    StopKind fromKind = StopKind::Airfield;
    StopKind toKind = StopKind::Airfield;
};

struct Route {
    std::vector<Leg> legs;
    double totalKm = 0;
    // Where, among the codes given, those stand that name no airfield with coordinates, in
    // order; the route is empty when there are any.
    std::vector<std::size_t> unknown;
};

} // namespace icao
