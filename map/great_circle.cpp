// SPDX-License-Identifier: MIT
#include "map/great_circle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace icao {
namespace {

using Vector = std::array<double, 3>;

constexpr double kRadians = std::numbers::pi / 180;
// Within this of a pole, courses are told apart by meridians: a tenth of a metre.
constexpr double kPoleDegrees = 1e-6;

Vector vectorOf(const Place& place) {
    const double latitude = place.latitude * kRadians;
    const double longitude = place.longitude * kRadians;
    return {std::cos(latitude) * std::cos(longitude), std::cos(latitude) * std::sin(longitude),
            std::sin(latitude)};
}

Place placeOfVector(const Vector& v) {
    return {std::atan2(v[2], std::hypot(v[0], v[1])) / kRadians, std::atan2(v[1], v[0]) / kRadians};
}

double dot(const Vector& a, const Vector& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The points from a to b, a included and b not, along the great circle through them.
void addArc(const Vector& a, const Vector& b, double stepKm, MapLine& line) {
    const double angle = std::acos(std::clamp(dot(a, b), -1.0, 1.0));
    const auto steps = std::max(1.0, std::ceil(angle * kEarthRadiusKm / stepKm));
    const double sine = std::sin(angle);
    for (double step = 0; step < steps; ++step) {
        const double part = step / steps;
        if (sine < 1e-12) {
            line.push_back(placeOfVector(a));
            break;
        }
        const double weightA = std::sin((1 - part) * angle) / sine;
        const double weightB = std::sin(part * angle) / sine;
        line.push_back(
            placeOfVector({weightA * a[0] + weightB * b[0], weightA * a[1] + weightB * b[1],
                           weightA * a[2] + weightB * b[2]}));
    }
}

} // namespace

MapLine greatCirclePoints(const Place& from, const Place& to, double stepKm) {
    const Vector a = vectorOf(from);
    const Vector b = vectorOf(to);
    MapLine line;
    if (dot(a, b) < -1 + 1e-12) {
        // Antipodes: by way of the point a quarter circle north of the first (over the pole).
        const double latitude = from.latitude * kRadians;
        const double longitude = from.longitude * kRadians;
        const Vector north = {-std::sin(latitude) * std::cos(longitude),
                              -std::sin(latitude) * std::sin(longitude), std::cos(latitude)};
        addArc(a, north, stepKm, line);
        addArc(north, b, stepKm, line);
    } else {
        addArc(a, b, stepKm, line);
    }
    line.push_back(to);
    return line;
}

Place placeAlong(const Place& from, double course, double km) {
    const double angle = km / kEarthRadiusKm;
    // From a pole every course runs along a meridian: it is taken as the meridian's longitude
    // from the place's own, so that the courses all round reach all round.
    if (std::abs(from.latitude) > 90 - kPoleDegrees) {
        const double away = std::min(angle / kRadians, 180.0);
        return {from.latitude > 0 ? 90 - away : away - 90,
                std::remainder(from.longitude + course, 360.0)};
    }
    const double latitude = from.latitude * kRadians;
    const double heading = course * kRadians;
    const double north = std::clamp(std::sin(latitude) * std::cos(angle) +
                                        std::cos(latitude) * std::sin(angle) * std::cos(heading),
                                    -1.0, 1.0);
    const double east = std::atan2(std::sin(heading) * std::sin(angle) * std::cos(latitude),
                                   std::cos(angle) - std::sin(latitude) * north);
    return {std::asin(north) / kRadians, std::remainder(from.longitude + east / kRadians, 360.0)};
}

void unwrapLongitudes(MapLine& line) {
    for (std::size_t i = 1; i < line.size(); ++i) {
        const double before = line[i - 1].longitude;
        double& longitude = line[i].longitude;
        longitude += 360 * std::round((before - longitude) / 360);
    }
}

std::optional<DegreeBox> boundsOf(std::span<const MapLine> lines) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    DegreeBox box{kInfinity, -kInfinity, kInfinity, -kInfinity};
    for (const MapLine& line : lines) {
        for (const Place& place : line) {
            box.west = std::min(box.west, place.longitude);
            box.east = std::max(box.east, place.longitude);
            box.south = std::min(box.south, place.latitude);
            box.north = std::max(box.north, place.latitude);
        }
    }
    return box.west <= box.east ? std::optional(box) : std::nullopt;
}

DegreeBox fittedBox(const std::vector<MapLine>& lines, double margin) {
    const auto bounds = boundsOf(lines);
    if (!bounds) {
        return {-180, 180, -90, 90};
    }
    const DegreeBox& box = *bounds;
    const double across = std::max(1.0, margin * (box.east - box.west));
    const double up = std::max(1.0, margin * (box.north - box.south));
    return {box.west - across, box.east + across, std::max(-90.0, box.south - up),
            std::min(90.0, box.north + up)};
}

} // namespace icao
