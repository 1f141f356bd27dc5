// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace icao {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The map's colours, alike for every painter: the pictures are drawn in the light style, the
// window in the light or the dark one as its palette is.
struct MapStyle {
    Rgb sea;
    Rgb land;
    Rgb coast;
    Rgb border;
    Rgb ring;
    Rgb runway;
    Rgb route;
    // Navaids, rings' distances, legs' distances, the lesser airfields.
    Rgb note;
};

// The pictures' marks and words over their halo, and the scale bar; the window draws them in
// its palette's text colour over its base, so that they read as its other text does.
struct PictureInk {
    Rgb mark;
    Rgb halo;
    Rgb scale;
};
inline constexpr PictureInk kPictureInk{
    .mark = {0x1f, 0x3b, 0x57}, .halo = {0xff, 0xff, 0xff}, .scale = {0x33, 0x33, 0x33}};

inline constexpr MapStyle kLightMapStyle{
    .sea = {0xd6, 0xe6, 0xf2},
    .land = {0xf3, 0xef, 0xe2},
    .coast = {0xb8, 0xae, 0x94},
    .border = {0xa3, 0x9a, 0x85},
    .ring = {0x5b, 0x7f, 0xa6},
    .runway = {0x55, 0x58, 0x5c},
    .route = {0xc0, 0x39, 0x2b},
    .note = {0x3d, 0x5a, 0x78},
};

// Quiet tones on a dark ground, the lines lighter than the land as the light style's are darker.
inline constexpr MapStyle kDarkMapStyle{
    .sea = {0x1c, 0x2b, 0x3a},
    .land = {0x3b, 0x3a, 0x33},
    .coast = {0x6e, 0x6e, 0x69},
    .border = {0x88, 0x87, 0x84},
    .ring = {0x7f, 0xa6, 0xd0},
    .runway = {0xaa, 0xaa, 0xa8},
    .route = {0xff, 0x6f, 0x5e},
    .note = {0xb3, 0xb7, 0xbb},
};

} // namespace icao
