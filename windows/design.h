// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

// The windows are designed in twips, as their layouts are tabled; on screen 15 twips make one
// device-independent pixel.
namespace design {

constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr QRect rect(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

enum class Face { MsSansSerif, TimesNewRoman };

// A bold font of the layouts; where the designed face is missing, a metric-compatible stand-in
// (Liberation Sans, Liberation Serif) takes its place.
QFont boldFont(Face face, qreal points);

inline const QColor kLightCyan(128, 255, 255);
inline const QColor kBlue(0, 0, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kWhite(255, 255, 255);

} // namespace design
