// SPDX-License-Identifier: MIT
#pragma once

#include "records/route_legs.h"

#include <array>
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
// The inks in the order they are painted, each over those before.
inline constexpr std::array kInks = {Ink::Land, Ink::Border, Ink::Ring, Ink::Runway, Ink::Route};

// How an ink's lines are stroked, alike in the pictures and the window: the width, and the
// lengths of a dash and of the gap after it, in pixels; no dash for a solid line. A runway is
// stroked at its own width.
struct Stroke {
    double width;
    double dash = 0;
    double gap = 0;
};
constexpr Stroke strokeOf(Ink ink) {
    switch (ink) {
    case Ink::Land:
        return {0.6};
    case Ink::Border:
        return {0.5, 3, 2};
    case Ink::Ring:
        return {0.8, 4, 3};
    case Ink::Route:
        return {2};
    case Ink::Runway:
        break;
    }
    return {0};
}

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

// What a mark stands for: an airfield is a dot, a navaid a route flies over a diamond, a point
// given by coordinates a triangle.
enum class Mark { Airfield, Navaid, Point };
// The mark of what a stop is.
constexpr Mark markOf(StopKind kind) {
    return kind == StopKind::Navaid  ? Mark::Navaid
           : kind == StopKind::Point ? Mark::Point
                                     : Mark::Airfield;
}

// An airfield marked, or a route's navaid or point, with its label placed beside it where it
// overlaps no other.
struct DrawnAirfield {
    PicturePoint at;
    std::string label;
    PicturePoint labelAt;
    // The origin of a neighbourhood, or an end of a route, drawn larger.
    bool main;
    // One of everything in view, beyond what the map is about, drawn smaller and fainter.
    bool lesser = false;
    // Whether its label is drawn: a lesser airfield's goes where nothing else is, or nowhere.
    bool labelled = true;
    Mark mark = Mark::Airfield;
    // Its name where the map knows it, for the mark's tip.
    std::string name = {};
    // What it stands for, apart from its label, by which a click or a selection finds it: an
    // airfield's ICAO code, a navaid's ident, a point's coordinates as typed.
    std::string code = {};
    Place place = {};
};

// A radio navigation aid marked near the airfields, its ident placed beside it where that
// overlaps nothing else.
struct DrawnNavaid {
    PicturePoint at;
    std::string ident;
    // An NDB is drawn as a circle, the VHF aids (VOR, DME, TACAN) as a diamond.
    bool ndb = false;
    PicturePoint labelAt = {};
    bool labelled = false;
};

// A bar of a round distance at the bottom left, and what it measures.
struct ScaleBar {
    // The bar's top left corner, its length and thickness, and the baseline of its text.
    PicturePoint at;
    double length;
    double thickness;
    PicturePoint textAt;
    std::string text;
};

// A map as steps for a painter, painted in this order, each over what came before: the sea
// (the whole picture), the lines by ink in the order of kInks, the notes, each navaid's mark
// and ident, each airfield's mark then its label, then, unclipped, the scale bar and the title.
// How a map's words are laid out. A picture labels every airfield it is about, over one
// another where need be, as its reader cannot zoom for more; a window's map keeps its words
// apart, leaving out a label where none is free: it shows as the user zooms in.
enum class Labels { EveryAirfield, Apart };

struct MapDrawing {
    double width;
    double height;
    std::string title;
    // The title's baseline.
    PicturePoint titleAt;
    std::vector<DrawnLine> lines;
    std::vector<DrawnText> notes;
    std::vector<DrawnNavaid> navaids;
    std::vector<DrawnAirfield> airfields;
    ScaleBar scale;
    Labels labels = Labels::EveryAirfield;
};

// The sizes painters and the label placement share, in pixels. A text's width is reckoned
// with room for capitals and digits, which codes and idents are, wider in bold.
inline constexpr double kLabelSize = 13;
inline constexpr double kNoteSize = 11;
inline constexpr double kScaleTextSize = 11;
inline constexpr double kTitleSize = 15;
inline constexpr double kMarkRadius = 3;
inline constexpr double kMainMarkRadius = 4;
inline constexpr double kLesserMarkRadius = 2;
// Half the width of a navaid's mark.
inline constexpr double kNavaidMarkRadius = 4;
// The outline round a mark, and the halo of background round a label, the scale's text and
// the title that keeps them readable over land, sea and lines.
inline constexpr double kMarkOutline = 1;
inline constexpr double kHaloWidth = 3;
inline double markRadiusOf(const DrawnAirfield& airfield) {
    return airfield.main ? kMainMarkRadius : airfield.lesser ? kLesserMarkRadius : kMarkRadius;
}
// The corners of a mark drawn as a polygon, a navaid's or a point's, round its place; none for
// an airfield's dot, drawn as a circle of markRadiusOf.
std::vector<PicturePoint> markCorners(const DrawnAirfield& mark);
inline double textWidth(std::size_t characters, double size, bool bold = false) {
    return (bold ? 0.85 : 0.75) * size * static_cast<double>(characters);
}

} // namespace icao
