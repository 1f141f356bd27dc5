// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace icao {

// A point of a picture, in pixels from its top left corner, y downwards.
struct PicturePoint {
    double x;
    double y;
};

// What a line of a map stands for; each painter gives each its colour and width.
enum class Ink { Land, Border, Ring, Runway, Route };

struct DrawnLine {
    Ink ink;
    std::vector<PicturePoint> points;
    // A ring is filled (land) or drawn round (a distance ring).
    bool closed;
    // In pixels, for a runway its own width; 0 for the ink's.
    double width = 0;
};

// A note written on the map: a ring's distance, a runway's ident.
struct DrawnText {
    PicturePoint at;
    std::string text;
};

// An airfield marked, with its label placed beside it where it overlaps no other.
struct DrawnAirfield {
    PicturePoint at;
    std::string label;
    PicturePoint labelAt;
    // The origin of a neighbourhood, or an end of a route, drawn larger.
    bool main;
};

// A bar of a round distance, drawn at the bottom left, and what it measures.
struct ScaleBar {
    double length;
    std::string text;
};

// A map as steps for a painter: first the sea, then the lines in order, the notes, then the
// airfields and their labels, the scale bar and the title.
struct MapDrawing {
    double width;
    double height;
    std::string title;
    std::vector<DrawnLine> lines;
    std::vector<DrawnText> notes;
    std::vector<DrawnAirfield> airfields;
    ScaleBar scale;
};

// The picture's font size for labels, in pixels, and the width a label of `characters` takes
// in it, as painters and the label placement reckon it.
inline constexpr double kLabelSize = 13;
inline double labelWidth(std::size_t characters) {
    return 0.62 * kLabelSize * static_cast<double>(characters);
}

} // namespace icao
