// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"
#include "map/great_circle.h"
#include "search/geo.h"

namespace icao {

// An equirectangular view of a box of the world on a picture, its longitudes shrunk by the
// cosine of its middle latitude so that shapes there keep their proportions; the box is
// widened to the picture's proportions, never cut.
class MapView {
  public:
    MapView(const DegreeBox& box, double width, double height);

    const DegreeBox& box() const { return box_; }
    double width() const { return width_; }
    double height() const { return height_; }

    // Where a place lies on the picture; its longitude as unwrapped for the box.
    PicturePoint project(const Place& place) const;
    // The kilometres a pixel measures along the middle latitude.
    double kmPerPixel() const;

  private:
    DegreeBox box_;
    double width_;
    double height_;
    double shrink_;
    double pixelsPerDegree_;
};

} // namespace icao
