// SPDX-License-Identifier: MIT
#pragma once

#include "records/units.h"

#include <QString>
#include <cmath>

// The units the finder shows distances and lengths in, as its Units menu sets them; nautical
// miles and feet, as pilots expect, until the user chooses others.
struct ShownUnits {
    icao::DistanceUnit distance = icao::DistanceUnit::NauticalMile;
    icao::LengthUnit length = icao::LengthUnit::Foot;
};

// A course or bearing in whole degrees, three digits: "018°".
inline QString courseText(double degrees) {
    return QString("%1°").arg(static_cast<int>(std::lround(degrees)) % 360, 3, 10, QChar('0'));
}

// "188 NM", with this many decimals.
inline QString distanceText(double km, icao::DistanceUnit unit, int decimals) {
    const icao::DistanceUnitName& name = icao::nameOf(unit);
    return QString::number(icao::distanceIn(km, unit), 'f', decimals) + ' ' +
           QString::fromLatin1(name.symbol.data(), static_cast<qsizetype>(name.symbol.size()));
}
