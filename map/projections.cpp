// SPDX-License-Identifier: MIT
#include "map/projections.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace icao {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
// A view of at most this reach projects the far points of outlines by degrees.
constexpr double kLargestRoughReachKm = 500;

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

Equirectangular::Equirectangular(const DegreeBox& box, double width, double height)
    : box_(box), width_(width), height_(height) {
    // Past 60° the cosine would stretch a polar view beyond use.
    const double middle = std::clamp((box.south + box.north) / 2, -60.0, 60.0);
    shrink_ = std::cos(middle * kRadiansPerDegree);
    const double across = std::max(1e-6, (box_.east - box_.west) * shrink_);
    const double up = std::max(1e-6, box_.north - box_.south);
    if (across / up < width / height) {
        widen(box_.west, box_.east, up * width / height / shrink_, -540, 540);
    } else {
        widen(box_.south, box_.north, across * height / width, -90, 90);
    }
    pixelsPerDegree_ = width / ((box_.east - box_.west) * shrink_);
}

PicturePoint Equirectangular::project(const Place& place) const {
    return {(place.longitude - box_.west) * shrink_ * pixelsPerDegree_,
            (box_.north - place.latitude) * pixelsPerDegree_};
}

Place Equirectangular::placeAt(const PicturePoint& point) const {
    return {box_.north - point.y / pixelsPerDegree_,
            box_.west + point.x / (shrink_ * pixelsPerDegree_)};
}

double Equirectangular::kmPerPixel() const {
    return kKmPerDegree / pixelsPerDegree_;
}

Equirectangular Equirectangular::zoomed(double factor, const PicturePoint& fixed) const {
    Equirectangular view = *this;
    const Place held = placeAt(fixed);
    view.pixelsPerDegree_ = pixelsPerDegree_ * factor;
    view.box_.west = held.longitude - fixed.x / (shrink_ * view.pixelsPerDegree_);
    view.box_.east = view.box_.west + width_ / (shrink_ * view.pixelsPerDegree_);
    view.box_.north = held.latitude + fixed.y / view.pixelsPerDegree_;
    view.box_.south = view.box_.north - height_ / view.pixelsPerDegree_;
    return view;
}

Equirectangular Equirectangular::panned(const PicturePoint& from, const PicturePoint& to) const {
    Equirectangular view = *this;
    const double east = (from.x - to.x) / (shrink_ * pixelsPerDegree_);
    // Never so far north or south that the picture shows more than the earth's pole.
    const double span = box_.north - box_.south;
    const double north = std::clamp(box_.north + (to.y - from.y) / pixelsPerDegree_,
                                    std::min(90.0, -90 + span), std::max(90.0, -90 + span));
    view.box_ = {std::clamp(box_.west + east, -720.0, 360.0), 0, north - span, north};
    view.box_.east = view.box_.west + (box_.east - box_.west);
    return view;
}

Equirectangular Equirectangular::resized(double width, double height) const {
    Equirectangular view = *this;
    view.width_ = width;
    view.height_ = height;
    const Place middle = placeAt({width_ / 2, height_ / 2});
    const double across = width / (shrink_ * pixelsPerDegree_);
    const double up = height / pixelsPerDegree_;
    view.box_ = {middle.longitude - across / 2, middle.longitude + across / 2,
                 middle.latitude - up / 2, middle.latitude + up / 2};
    return view;
}

AzimuthalEquidistant::AzimuthalEquidistant(const Place& centre, double radiusKm, double width,
                                           double height)
    : centre_(centre), width_(width), height_(height),
      pixelsPerKm_(std::min(width, height) / 2 / std::max(radiusKm, 1e-3)) {
    boxAroundCentre();
}

// Every place within the picture's half diagonal of the centre.
void AzimuthalEquidistant::boxAroundCentre() {
    kmPerDegreeEast_ = kKmPerDegree * std::cos(centre_.latitude * kRadiansPerDegree);
    const double reachKm = std::hypot(width_, height_) / 2 / pixelsPerKm_;
    const double reach = reachKm / kKmPerDegree;
    box_.south = std::max(-90.0, centre_.latitude - reach);
    box_.north = std::min(90.0, centre_.latitude + reach);
    const double widest = std::max(std::abs(box_.south), std::abs(box_.north));
    const double across = widest >= 89.9 || reach >= 90
                              ? 180
                              : std::min(180.0, reach / std::cos(widest * kRadiansPerDegree));
    box_.west = centre_.longitude - across;
    box_.east = centre_.longitude + across;
    // Degrees stand in for the projection far out only where the view is small and far from
    // the poles, so that where they meet, twice the reach out, the two differ by little.
    const double twice = 2 * reach;
    if (reachKm > kLargestRoughReachKm || std::abs(centre_.latitude) + twice > 80) {
        exactOutlines_.reset();
        return;
    }
    const double twiceAcross =
        twice / std::cos((std::abs(centre_.latitude) + twice) * kRadiansPerDegree);
    exactOutlines_ = DegreeBox{centre_.longitude - twiceAcross, centre_.longitude + twiceAcross,
                               centre_.latitude - twice, centre_.latitude + twice};
}

PicturePoint AzimuthalEquidistant::projectOutline(const Place& place) const {
    if (!exactOutlines_ ||
        (place.latitude >= exactOutlines_->south && place.latitude <= exactOutlines_->north &&
         place.longitude >= exactOutlines_->west && place.longitude <= exactOutlines_->east)) {
        return project(place);
    }
    return {width_ / 2 + (place.longitude - centre_.longitude) * kmPerDegreeEast_ * pixelsPerKm_,
            height_ / 2 - (place.latitude - centre_.latitude) * kKmPerDegree * pixelsPerKm_};
}

PicturePoint AzimuthalEquidistant::project(const Place& place) const {
    const double latitude = place.latitude * kRadiansPerDegree;
    const double centreLatitude = centre_.latitude * kRadiansPerDegree;
    const double east = (place.longitude - centre_.longitude) * kRadiansPerDegree;
    const double cosAngle = std::sin(centreLatitude) * std::sin(latitude) +
                            std::cos(centreLatitude) * std::cos(latitude) * std::cos(east);
    const double angle = std::acos(std::clamp(cosAngle, -1.0, 1.0));
    // Near the antipode every direction meets; it is drawn at the rim, a half turn away.
    const double perAngle = angle < 1e-9 ? 1 : angle / std::max(std::sin(angle), 1e-9);
    const double scale = perAngle * kEarthRadiusKm * pixelsPerKm_;
    const double x = std::cos(latitude) * std::sin(east);
    const double y = std::cos(centreLatitude) * std::sin(latitude) -
                     std::sin(centreLatitude) * std::cos(latitude) * std::cos(east);
    return {width_ / 2 + scale * x, height_ / 2 - scale * y};
}

Place AzimuthalEquidistant::placeAt(const PicturePoint& point) const {
    const double x = (point.x - width_ / 2) / pixelsPerKm_ / kEarthRadiusKm;
    const double y = (height_ / 2 - point.y) / pixelsPerKm_ / kEarthRadiusKm;
    const double angle = std::min(std::hypot(x, y), std::numbers::pi);
    if (angle < 1e-12) {
        return centre_;
    }
    const double centreLatitude = centre_.latitude * kRadiansPerDegree;
    const double latitude =
        std::asin(std::clamp(std::cos(angle) * std::sin(centreLatitude) +
                                 y * std::sin(angle) * std::cos(centreLatitude) / std::hypot(x, y),
                             -1.0, 1.0));
    const double east = std::atan2(x * std::sin(angle),
                                   std::hypot(x, y) * std::cos(centreLatitude) * std::cos(angle) -
                                       y * std::sin(centreLatitude) * std::sin(angle));
    double longitude = centre_.longitude + east / kRadiansPerDegree;
    longitude = std::remainder(longitude, 360.0);
    return {latitude / kRadiansPerDegree, longitude};
}

AzimuthalEquidistant AzimuthalEquidistant::zoomed(double factor, const PicturePoint& fixed) const {
    AzimuthalEquidistant view = *this;
    view.pixelsPerKm_ = pixelsPerKm_ * factor;
    view.holdAt(placeAt(fixed), fixed);
    return view;
}

// Moves the centre so that the place lies at the point: the centre stands the point's angle
// from the place, with the place on the point's bearing from it. In the triangle of the pole,
// the centre and the place, sin(place's latitude) = sin(lat) cos(angle) + cos(lat) sin(angle)
// cos(bearing) gives the centre's latitude, two at most; the one that puts the place nearer the
// point is taken. Where no latitude does (wide views, north kept up), the nearest there is.
void AzimuthalEquidistant::holdAt(const Place& place, const PicturePoint& point) {
    const double east = point.x - width_ / 2;
    const double north = height_ / 2 - point.y;
    const double angle = std::hypot(east, north) / pixelsPerKm_ / kEarthRadiusKm;
    if (angle < 1e-12 || angle >= std::numbers::pi) {
        centre_ = place;
        boxAroundCentre();
        return;
    }
    const double bearing = std::atan2(east, north);
    const double placeLatitude = place.latitude * kRadiansPerDegree;
    const double along = std::cos(angle);
    const double across = std::sin(angle) * std::cos(bearing);
    const double turned = std::atan2(across, along);
    const double first =
        std::asin(std::clamp(std::sin(placeLatitude) / std::hypot(along, across), -1.0, 1.0));
    double missedBy = std::numeric_limits<double>::infinity();
    Place best = centre_;
    for (const double sum : {first, std::numbers::pi - first}) {
        const double latitude = std::remainder(sum - turned, 2 * std::numbers::pi);
        if (std::abs(latitude) > std::numbers::pi / 2) {
            continue;
        }
        const double eastOfCentre =
            std::atan2(std::sin(bearing) * std::sin(angle) * std::cos(latitude),
                       along - std::sin(latitude) * std::sin(placeLatitude));
        centre_ = {latitude / kRadiansPerDegree,
                   std::remainder(place.longitude - eastOfCentre / kRadiansPerDegree, 360.0)};
        const PicturePoint at = project(place);
        if (const double missed = std::hypot(at.x - point.x, at.y - point.y); missed < missedBy) {
            missedBy = missed;
            best = centre_;
        }
    }
    centre_ = best;
    boxAroundCentre();
}

AzimuthalEquidistant AzimuthalEquidistant::panned(const PicturePoint& from,
                                                  const PicturePoint& to) const {
    AzimuthalEquidistant view = *this;
    view.holdAt(placeAt(from), to);
    return view;
}

AzimuthalEquidistant AzimuthalEquidistant::resized(double width, double height) const {
    AzimuthalEquidistant view = *this;
    view.width_ = width;
    view.height_ = height;
    view.boxAroundCentre();
    return view;
}

} // namespace icao
