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

// "188 NM", with this many decimals.
inline QString distanceText(double km, icao::DistanceUnit unit, int decimals) {
    const icao::DistanceUnitName& name = icao::nameOf(unit);
    return QString::number(icao::distanceIn(km, unit), 'f', decimals) + ' ' +
           QString::fromLatin1(name.symbol.data(), static_cast<qsizetype>(name.symbol.size()));
}
