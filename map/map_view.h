// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"
#include "map/great_circle.h"
#include "map/projections.h"
#include "records/geo.h"

#include <utility>
#include <variant>

namespace icao {

// How a view lays the world on a picture.
enum class Projection {
    // Degrees as they are, longitudes shrunk by the cosine of the middle latitude so that shapes
    // there keep their proportions: for routes, which may span the world.
    Equirectangular,
    // Distances and bearings from the centre true: for a neighbourhood, where rings of one
    // distance are circles.
    AzimuthalEquidistant,
};

// A part of the world as a picture shows it, by one projection or the other; a value, each
// change a new view.
class MapView {
  public:
    // The box, widened to the picture's proportions, never cut.
    MapView(const DegreeBox& box, double width, double height);
    // Centred on the place, `radiusKm` from it to the nearer edge of the picture.
    static MapView around(const Place& centre, double radiusKm, double width, double height);

    Projection projection() const;
    // The degrees the picture shows, for an azimuthal view a box around them; longitudes may run
    // past ±180 where the view does.
    const DegreeBox& box() const;
    double width() const;
    double height() const;

    // Where a place lies on the picture; for an equirectangular view its longitude as unwrapped
    // for the box.
    PicturePoint project(const Place& place) const;
    // Where a point of an outline (a coast, a border) lies: as project() within twice the
    // picture's reach of its middle, and beyond, where only the side of the picture it lies
    // on shapes what is drawn, by degrees alone, without the trigonometry a continent's
    // thousands of points would cost.
    PicturePoint projectOutline(const Place& place) const;
    // The place a point of the picture shows.
    Place placeAt(const PicturePoint& point) const;
    // The kilometres a pixel measures: along the middle latitude, or anywhere around the centre.
    double kmPerPixel() const;
    // An equirectangular view repeats the world a turn east and west; an azimuthal one shows
    // each place once.
    bool repeatsEastAndWest() const { return projection() == Projection::Equirectangular; }

    // The view `factor` times closer, the place under `fixed` staying there.
    MapView zoomed(double factor, const PicturePoint& fixed) const;
    // The view with what was at one point of the picture moved to another.
    MapView panned(const PicturePoint& from, const PicturePoint& to) const;
    // The same part of the world on a picture of another size, its middle kept.
    MapView resized(double width, double height) const;

  private:
    using Projected = std::variant<Equirectangular, AzimuthalEquidistant>;
    explicit MapView(Projected projected) : projected_(std::move(projected)) {}

    Projected projected_;
};

} // namespace icao
