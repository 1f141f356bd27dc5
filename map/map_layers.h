// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"
#include "map/land.h"
#include "map/map_view.h"
#include "records/units.h"

#include <string>
#include <vector>

namespace icao {

// What every map shows: the land, finer where the view is close, and the borders, each line
// where it meets the view, again a turn of the world east or west where the view runs past
// the antimeridian; each cut to the picture, lines wholly outside left out.
void drawLand(const World& world, const MapView& view, std::vector<DrawnLine>& lines);
// A drawing of the view's size that shows the land.
MapDrawing landDrawing(const World& world, const MapView& view);
// The airfields' labels placed and the scale bar in the unit: what every map does last.
void finishDrawing(MapDrawing& drawing, const MapView& view, DistanceUnit unit);

// A note beside the point, where it lies within the picture over no word and no mark; says
// whether it found a place.
bool placeNote(MapDrawing& drawing, const PicturePoint& at, std::string text);

// A box on the picture, in pixels.
struct PictureBox {
    double left;
    double top;
    double right;
    double bottom;

    bool holds(const PictureBox& other) const;
    bool overlaps(const PictureBox& other) const;
};

// What a drawing writes (its title, scale, notes and labels) and where its marks are.
struct DrawnBoxes {
    std::vector<PictureBox> words;
    std::vector<PictureBox> marks;
};
DrawnBoxes boxesOf(const MapDrawing& drawing);

// Lays out the words of a map so that none covers another or a mark. From `from` on, each
// airfield's label beside its mark, right of it where that lies within the picture over
// nothing placed before, else left, above or below, and none where nothing is free; a lesser
// airfield under the title or the scale bar is left out. Placing from the first, the title
// goes to a corner where it covers no mark, and a note that would cover anything is left out.
// The labels before `from` stay where they are.
void placeLabels(MapDrawing& drawing, std::size_t from = 0);

// The largest round number (1, 2 or 5 times a power of ten) at most `distance`, and a distance
// in the unit as the maps write it ("20 NM").
double roundDistanceBelow(double distance);
std::string mapDistanceText(double distance, DistanceUnit unit);

// A bar of a round number of the unit (1, 2 or 5 times a power of ten) about a fifth of the
// picture's width.
ScaleBar scaleBarOf(const MapView& view, DistanceUnit unit);

} // namespace icao
