// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/geo.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace icao {

// A line of the map in degrees: a land ring, which ends where it starts, or a border. A line
// over the antimeridian runs on past 180 degrees east or west, as a route unwrapped does.
using MapLine = std::vector<Place>;

// The world's land and the borders between countries, as the maps draw them: the land coarse
// for views of the world, finer for closer ones, finest for an airfield and its runways.
struct World {
    std::vector<MapLine> coarseLand;
    std::vector<MapLine> fineLand;
    std::vector<MapLine> borders;
    // Larger than the rest together, so read when a view first asks for it; none (or empty)
    // where the outlines lack it.
    std::function<const std::vector<MapLine>&()> finestLand;
};

// Reads outlines in the form tools/make_land.py writes; what is not of that form, truncated,
// or off the earth is an error that names the source and where, never a crash.
Expected<World> readWorld(std::span<const unsigned char> bytes,
                          const std::filesystem::path& source);

// Where the built-in outlines come from, as --version names it; tools/make_land.py's package.
inline constexpr char kLandSource[] = "Natural Earth, public domain, from world-atlas@2.0.2; ISC";

// The outlines built into the programs, read once; the finest land read apart, on first use.
const World& builtInWorld();

} // namespace icao
