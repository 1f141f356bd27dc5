// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"

#include <string>

namespace icao {

// The drawing as a standalone SVG document in light colours: it scales without loss, holds the
// title as its <title> and on the picture, and its text is escaped for XML.
std::string svgOf(const MapDrawing& drawing);

} // namespace icao
