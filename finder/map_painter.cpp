// SPDX-License-Identifier: MIT
#include "finder/map_painter.h"

#include "finder/core/qt_text.h"
#include "map/map_style.h"
#include "platform/kernels.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

QPointF pointOf(const icao::PicturePoint& point) {
    return {point.x, point.y};
}

// The lines of one ink as one path, land rings filled together so that a lake stays open.
QPainterPath pathOf(const icao::MapDrawing& drawing, icao::Ink ink) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const icao::DrawnLine& line : drawing.lines) {
        if (line.ink != ink || line.points.empty()) {
            continue;
        }
        path.moveTo(pointOf(line.points.front()));
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            path.lineTo(pointOf(line.points[i]));
        }
        if (line.closed) {
            path.closeSubpath();
        }
    }
    return path;
}

QColor colourOf(icao::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// Text with a halo of the background around it, readable over land, sea and lines: the text
// drawn in the halo's colour about its place, then over it in its own. Glyphs drawn again come
// from the painter's cache, where a text's outline stroked would be made anew each time, which
// a map of hundreds of labels cannot afford each frame.
void haloText(QPainter& painter, const QPointF& at, const QString& text, const QColor& colour,
              const QColor& halo) {
    const double reach = icao::kHaloWidth / 2;
    painter.setPen(halo);
    for (const auto& [x, y] : {std::pair{-1.0, -1.0},
                               {0.0, -1.0},
                               {1.0, -1.0},
                               {-1.0, 0.0},
                               {1.0, 0.0},
                               {-1.0, 1.0},
                               {0.0, 1.0},
                               {1.0, 1.0}}) {
        painter.drawText(at + QPointF(x * reach, y * reach), text);
    }
    painter.setPen(colour);
    painter.drawText(at, text);
}

// The pen of an ink's lines, stroked as the pictures stroke them; Qt counts dashes in widths.
QPen penOf(icao::Ink ink, const QColor& colour) {
    const icao::Stroke stroke = icao::strokeOf(ink);
    QPen pen(colour, stroke.width);
    if (stroke.dash > 0) {
        pen.setDashPattern({stroke.dash / stroke.width, stroke.gap / stroke.width});
    }
    // The route's joins and ends rounded, as the pictures draw it.
    if (ink == icao::Ink::Route) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

} // namespace

MapColours MapColours::of(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const icao::MapStyle& style =
        base.lightness() < 128 ? icao::kDarkMapStyle : icao::kLightMapStyle;
    return {colourOf(style.sea),    colourOf(style.land),          colourOf(style.coast),
            colourOf(style.border), colourOf(style.ring),          colourOf(style.runway),
            colourOf(style.route),  palette.color(QPalette::Text), base,
            colourOf(style.note)};
}

void paintMap(QPainter& painter, const icao::MapDrawing& drawing, const MapColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF picture(0, 0, drawing.width, drawing.height);
    painter.fillRect(picture, colours.sea);
    painter.setClipRect(picture);
    for (const icao::Ink ink : icao::kInks) {
        painter.setBrush(Qt::NoBrush);
        switch (ink) {
        case icao::Ink::Land:
            painter.setPen(penOf(ink, colours.coast));
            painter.setBrush(colours.land);
            break;
        case icao::Ink::Border:
            painter.setPen(penOf(ink, colours.border));
            break;
        case icao::Ink::Ring:
            painter.setPen(penOf(ink, colours.ring));
            break;
        case icao::Ink::Route:
            painter.setPen(penOf(ink, colours.route));
            break;
        case icao::Ink::Runway:
            // Each runway at its own width.
            for (const icao::DrawnLine& line : drawing.lines) {
                if (line.ink == ink && line.points.size() == 2) {
                    painter.setPen(QPen(colours.runway, line.width, Qt::SolidLine, Qt::FlatCap));
                    painter.drawLine(pointOf(line.points[0]), pointOf(line.points[1]));
                }
            }
            continue;
        }
        painter.drawPath(pathOf(drawing, ink));
    }
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(icao::kNoteSize));
    painter.setFont(font);
    painter.setPen(colours.note);
    for (const icao::DrawnText& note : drawing.notes) {
        painter.drawText(pointOf(note.at), qt(note.text));
    }
    for (const icao::DrawnNavaid& navaid : drawing.navaids) {
        const QPointF at = pointOf(navaid.at);
        const double r = icao::kNavaidMarkRadius;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.note, 1, navaid.ndb ? Qt::DotLine : Qt::SolidLine));
        if (navaid.ndb) {
            painter.drawEllipse(at, r, r);
        } else {
            painter.drawPolygon(QPolygonF({at + QPointF(-r, 0), at + QPointF(0, -r),
                                           at + QPointF(r, 0), at + QPointF(0, r)}));
        }
        if (navaid.labelled) {
            haloText(painter, pointOf(navaid.labelAt), qt(navaid.ident), colours.note,
                     colours.halo);
        }
    }
    font.setPixelSize(static_cast<int>(icao::kLabelSize));
    const auto paintAirfield = [&](const icao::DrawnAirfield& airfield, const QColor& ink) {
        painter.setPen(QPen(colours.halo, icao::kMarkOutline));
        painter.setBrush(ink);
        if (const auto corners = icao::markCorners(airfield); !corners.empty()) {
            QPolygonF polygon;
            for (const icao::PicturePoint& corner : corners) {
                polygon << pointOf(corner);
            }
            painter.drawPolygon(polygon);
        } else {
            const double radius = icao::markRadiusOf(airfield);
            painter.drawEllipse(pointOf(airfield.at), radius, radius);
        }
        if (airfield.labelled) {
            font.setBold(airfield.main);
            painter.setFont(font);
            haloText(painter, pointOf(airfield.labelAt), qt(airfield.label), ink, colours.halo);
        }
    };
    // The airfields beyond what the map is about first, fainter, so that those stand out over
    // them.
    for (const bool lesser : {true, false}) {
        for (const icao::DrawnAirfield& airfield : drawing.airfields) {
            if (airfield.lesser == lesser) {
                paintAirfield(airfield, lesser ? colours.note : colours.mark);
            }
        }
    }
    painter.setClipping(false);
    const icao::ScaleBar& scale = drawing.scale;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.mark);
    painter.drawRect(QRectF(pointOf(scale.at), QSizeF(scale.length, scale.thickness)));
    font.setBold(false);
    font.setPixelSize(static_cast<int>(icao::kScaleTextSize));
    painter.setFont(font);
    haloText(painter, pointOf(scale.textAt), qt(scale.text), colours.mark, colours.halo);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(icao::kTitleSize));
    painter.setFont(font);
    haloText(painter, pointOf(drawing.titleAt), qt(drawing.title), colours.mark, colours.halo);
    painter.restore();
    // Qt's painting may leave the wide registers in use, which would slow the next frame's
    // projection of every point several times over.
    icao::kernels::clearWideRegisters();
}
