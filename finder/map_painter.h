// SPDX-License-Identifier: MIT
#pragma once

#include "map/drawing.h"

#include <QColor>
#include <QPalette>

class QPainter;

// The map's colours, in the map's light or dark style as the window's palette is, the marks
// and labels in its text colour over a halo of its base.
struct MapColours {
    QColor sea;
    QColor land;
    QColor coast;
    QColor border;
    QColor ring;
    QColor runway;
    QColor route;
    QColor mark;
    QColor halo;
    QColor note;

    static MapColours of(const QPalette& palette);
};

// Paints a map's drawing steps, in the drawing's paint order, on the painter's device.
void paintMap(QPainter& painter, const icao::MapDrawing& drawing, const MapColours& colours);
