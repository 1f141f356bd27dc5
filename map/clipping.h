// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"

#include <vector>

namespace icao {

// The part of a picture, a little beyond its edges, that lines are cut to.
struct Frame {
    double left;
    double top;
    double right;
    double bottom;
};

// The picture of that size and a margin on every side, wider than any line's stroke, so that
// where a ring is cut its new edges lie unseen.
Frame frameOf(double width, double height, double margin = 4);

// A closed ring cut to the frame: the ring of the part inside, its cut edges along the frame;
// empty when nothing of it lies inside.
std::vector<PicturePoint> clippedRing(const std::vector<PicturePoint>& ring, const Frame& frame);

// An open line cut into the runs of it that may cross the frame, each with its points on
// either side of the frame's edges kept, so that the painter draws it to the edge.
std::vector<std::vector<PicturePoint>> clippedLine(const std::vector<PicturePoint>& line,
                                                   const Frame& frame);

} // namespace icao
