// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"
#include "map/great_circle.h"
#include "records/geo.h"

#include <optional>

namespace icao {

// Degrees as they are, longitudes shrunk by the cosine of the middle latitude so that shapes
// there keep their proportions: for routes, which may span the world.
class Equirectangular {
  public:
    // The box, widened to the picture's proportions, never cut.
    Equirectangular(const DegreeBox& box, double width, double height);

    const DegreeBox& box() const { return box_; }
    double width() const { return width_; }
    double height() const { return height_; }
    // A place's longitude as unwrapped for the box.
    PicturePoint project(const Place& place) const;
    PicturePoint projectOutline(const Place& place) const { return project(place); }
    Place placeAt(const PicturePoint& point) const;
    // Along the middle latitude.
    double kmPerPixel() const;
    Equirectangular zoomed(double factor, const PicturePoint& fixed) const;
    Equirectangular panned(const PicturePoint& from, const PicturePoint& to) const;
    Equirectangular resized(double width, double height) const;

  private:
    DegreeBox box_;
    double width_;
    double height_;
    double shrink_ = 1;
    double pixelsPerDegree_ = 1;
};

// Distances and bearings from the centre true: for a neighbourhood, where rings of one
// distance are circles.
class AzimuthalEquidistant {
  public:
    // `radiusKm` from the centre to the nearer edge of the picture.
    AzimuthalEquidistant(const Place& centre, double radiusKm, double width, double height);

    // A box around every place the picture shows.
    const DegreeBox& box() const { return box_; }
    double width() const { return width_; }
    double height() const { return height_; }
    PicturePoint project(const Place& place) const;
    // As project() within twice the picture's reach of its middle, and beyond, where only the
    // side of the picture a point lies on shapes what is drawn, by degrees alone.
    PicturePoint projectOutline(const Place& place) const;
    Place placeAt(const PicturePoint& point) const;
    // Anywhere around the centre.
    double kmPerPixel() const { return 1 / pixelsPerKm_; }
    AzimuthalEquidistant zoomed(double factor, const PicturePoint& fixed) const;
    AzimuthalEquidistant panned(const PicturePoint& from, const PicturePoint& to) const;
    AzimuthalEquidistant resized(double width, double height) const;

  private:
    void boxAroundCentre();
    void holdAt(const Place& place, const PicturePoint& point);

    Place centre_;
    double width_;
    double height_;
    double pixelsPerKm_;
    DegreeBox box_{};
    // Where projectOutline() projects exactly; everywhere when none.
    std::optional<DegreeBox> exactOutlines_;
    // Beyond that, a degree east at the centre's latitude: an outline of a million points
    // would take a cosine each.
    double kmPerDegreeEast_ = 0;
};

} // namespace icao
