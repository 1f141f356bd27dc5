// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/airfield_kind.h"
#include "map/drawing.h"
#include "map/map_view.h"
#include "records/geo.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace icao {

// An airfield as a map of everything in view marks it: where it lies, its code, and what
// makes it stand out at a scale, its kind and its prominence.
struct AtlasAirfield {
    float latitude;
    float longitude;
    AirfieldKind kind;
    std::uint32_t prominence;
    // The ICAO code, as long as a code is; longer codes are cut.
    std::array<char, 8> code;

    std::string label() const;
};
AtlasAirfield atlasAirfieldOf(const Place& place, std::string_view code, AirfieldKind kind,
                              std::uint32_t prominence);

// An airfield of the atlas where a view shows it.
struct AirfieldInView {
    const AtlasAirfield* airfield;
    PicturePoint at;
};

// Every airfield with a place, held by cells of a degree, so that a view finds those it
// shows without looking at the rest.
class AirfieldAtlas {
  public:
    explicit AirfieldAtlas(std::vector<AtlasAirfield> airfields);

    // The airfields within the picture that its scale shows, the most important first, at most
    // `most`: large airports across the world, medium ones across a continent, small ones and
    // seaplane bases across a country, heliports and balloonports across a town; closed ones
    // never. A view that runs past ±180 shows those beyond at their turn of the world.
    std::vector<AirfieldInView> inView(const MapView& view, std::size_t most) const;

    std::size_t size() const { return airfields_.size(); }

  private:
    std::vector<AtlasAirfield> airfields_;
    // Where each cell's airfields begin in airfields_, sorted by cell; one past the last.
    std::vector<std::uint32_t> cellStarts_;
};

// The most marks of the atlas a map adds: more stand on one another at any scale a pane has.
inline constexpr std::size_t kMostAtlasMarks = 600;

// Adds to a finished drawing the atlas's airfields in its view, as lesser marks after those it
// has, leaving out any it marks already; each is labelled where its label is free of every
// other, and goes without a label where none is.
void markAtlasAirfields(const AirfieldAtlas& atlas, const MapView& view, MapDrawing& drawing);

} // namespace icao
