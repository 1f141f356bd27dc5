// SPDX-License-Identifier: MIT
#include "map/drawing.h"

namespace icao {

std::vector<PicturePoint> markCorners(const DrawnAirfield& mark) {
    // A little larger than a dot, so that a shape of as much ink reads as one.
    const double r = markRadiusOf(mark) + 1;
    const PicturePoint at = mark.at;
    switch (mark.mark) {
    case Mark::Navaid:
        return {{at.x, at.y - r}, {at.x + r, at.y}, {at.x, at.y + r}, {at.x - r, at.y}};
    case Mark::Point:
        return {{at.x, at.y - r}, {at.x + r, at.y + r * 0.8}, {at.x - r, at.y + r * 0.8}};
    case Mark::Airfield:
        break;
    }
    return {};
}

} // namespace icao
