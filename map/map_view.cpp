// SPDX-License-Identifier: MIT
#include "map/map_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace icao {
namespace {

// The closest view shows a few metres a pixel, the widest a turn of the world across.
constexpr double kFewestKmPerPixel = 0.002;
constexpr double kMostKmPerPixel = 2 * std::numbers::pi * kEarthRadiusKm / 400;

} // namespace

MapView::MapView(const DegreeBox& box, double width, double height)
    : projected_(Equirectangular(box, width, height)) {}

MapView MapView::around(const Place& centre, double radiusKm, double width, double height) {
    return MapView(AzimuthalEquidistant(centre, radiusKm, width, height));
}

Projection MapView::projection() const {
    return std::holds_alternative<Equirectangular>(projected_) ? Projection::Equirectangular
                                                               : Projection::AzimuthalEquidistant;
}

const DegreeBox& MapView::box() const {
    return std::visit([](const auto& view) -> const DegreeBox& { return view.box(); }, projected_);
}

double MapView::width() const {
    return std::visit([](const auto& view) { return view.width(); }, projected_);
}

double MapView::height() const {
    return std::visit([](const auto& view) { return view.height(); }, projected_);
}

PicturePoint MapView::project(const Place& place) const {
    return std::visit([&](const auto& view) { return view.project(place); }, projected_);
}

PicturePoint MapView::projectOutline(const Place& place) const {
    return std::visit([&](const auto& view) { return view.projectOutline(place); }, projected_);
}

Place MapView::placeAt(const PicturePoint& point) const {
    return std::visit([&](const auto& view) { return view.placeAt(point); }, projected_);
}

double MapView::kmPerPixel() const {
    return std::visit([](const auto& view) { return view.kmPerPixel(); }, projected_);
}

MapView MapView::zoomed(double factor, const PicturePoint& fixed) const {
    const double kmPerPixel =
        std::clamp(this->kmPerPixel() / factor, kFewestKmPerPixel, kMostKmPerPixel);
    factor = this->kmPerPixel() / kmPerPixel;
    return std::visit([&](const auto& view) { return MapView(view.zoomed(factor, fixed)); },
                      projected_);
}

MapView MapView::panned(const PicturePoint& from, const PicturePoint& to) const {
    return std::visit([&](const auto& view) { return MapView(view.panned(from, to)); }, projected_);
}

MapView MapView::resized(double width, double height) const {
    return std::visit([&](const auto& view) { return MapView(view.resized(width, height)); },
                      projected_);
}

} // namespace icao
