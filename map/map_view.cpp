// SPDX-License-Identifier: MIT
#include "map/map_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace icao {
namespace {

constexpr double kKmPerDegree = kEarthRadiusKm * std::numbers::pi / 180;

// Widens [low, high] about its middle to `span`, kept within [floor, ceiling] where it fits.
void widen(double& low, double& high, double span, double floor, double ceiling) {
    const double middle = (low + high) / 2;
    low = middle - span / 2;
    high = middle + span / 2;
    if (span <= ceiling - floor) {
        const double shift = std::max(0.0, floor - low) - std::max(0.0, high - ceiling);
        low += shift;
        high += shift;
    }
}

} // namespace

MapView::MapView(const DegreeBox& box, double width, double height)
    : box_(box), width_(width), height_(height) {
    // Past 60° the cosine would stretch a polar view beyond use.
    const double middle = std::clamp((box.south + box.north) / 2, -60.0, 60.0);
    shrink_ = std::cos(middle * std::numbers::pi / 180);
    const double across = std::max(1e-6, (box_.east - box_.west) * shrink_);
    const double up = std::max(1e-6, box_.north - box_.south);
    if (across / up < width / height) {
        widen(box_.west, box_.east, up * width / height / shrink_, -540, 540);
    } else {
        widen(box_.south, box_.north, across * height / width, -90, 90);
    }
    pixelsPerDegree_ = width / ((box_.east - box_.west) * shrink_);
}

PicturePoint MapView::project(const Place& place) const {
    return {(place.longitude - box_.west) * shrink_ * pixelsPerDegree_,
            (box_.north - place.latitude) * pixelsPerDegree_};
}

double MapView::kmPerPixel() const {
    return kKmPerDegree / pixelsPerDegree_;
}

} // namespace icao
