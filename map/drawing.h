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

// The font sizes of the airfields' labels and of the notes, in pixels, and the width a text of
// `characters` takes in one, as painters and the label placement reckon it: room for capitals
// and digits, which codes and idents are, wider in bold.
inline constexpr double kLabelSize = 13;
inline constexpr double kNoteSize = 11;
inline double textWidth(std::size_t characters, double size, bool bold = false) {
    return (bold ? 0.85 : 0.75) * size * static_cast<double>(characters);
}

} // namespace icao
