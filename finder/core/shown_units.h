// SPDX-License-Identifier: MIT
#pragma once

#include "records/units.h"

#include <QString>

// The units the finder shows distances and lengths in, as its Units menu sets them; nautical
// miles and feet, as pilots expect, until the user chooses others.
struct ShownUnits {
    icao::DistanceUnit distance = icao::DistanceUnit::NauticalMile;
    icao::LengthUnit length = icao::LengthUnit::Foot;
};

// A course or bearing in whole degrees, three digits: "018°".
inline QString courseText(double degrees) {
    return QString::fromStdString(icao::courseWords(degrees));
}

// "188 NM", with this many decimals.
inline QString distanceText(double km, icao::DistanceUnit unit, int decimals) {
    return QString::fromStdString(icao::distanceWords(km, unit, decimals));
}
