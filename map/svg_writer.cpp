// SPDX-License-Identifier: MIT
#include "map/svg_writer.h"

#include "map/map_style.h"
#include "map/xml_text.h"

#include <cstdio>
#include <string_view>

namespace icao {
namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string_view shown = text;
    if (shown.ends_with(".0")) {
        shown.remove_suffix(2);
    }
    return shown == "-0" ? "0" : std::string(shown);
}

// "#d6e6f2".
std::string hexOf(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

// The lines of one ink as one path: land rings closed and filled together, so that a lake's
// ring, inside its land's, is left unfilled.
std::string pathOf(const MapDrawing& drawing, Ink ink) {
    std::string path;
    for (const DrawnLine& line : drawing.lines) {
        if (line.ink != ink || line.points.empty()) {
            continue;
        }
        char command = 'M';
        for (const PicturePoint& point : line.points) {
            path += command + number(point.x) + ' ' + number(point.y);
            command = 'L';
        }
        if (line.closed) {
            path += 'Z';
        }
    }
    return path;
}

std::string runwaysOf(const MapDrawing& drawing) {
    std::string lines;
    for (const DrawnLine& line : drawing.lines) {
        if (line.ink != Ink::Runway || line.points.size() < 2) {
            continue;
        }
        lines += "<line x1=\"" + number(line.points[0].x) + "\" y1=\"" + number(line.points[0].y) +
                 "\" x2=\"" + number(line.points[1].x) + "\" y2=\"" + number(line.points[1].y) +
                 "\" stroke=\"" + hexOf(kLightMapStyle.runway) + "\" stroke-width=\"" +
                 number(line.width) + "\"/>\n";
    }
    return lines;
}

// The stroke of an ink's lines as SVG's attributes.
std::string strokeAttributes(Ink ink) {
    const Stroke stroke = strokeOf(ink);
    std::string attributes = " stroke-width=\"" + number(stroke.width) + "\"";
    if (stroke.dash > 0) {
        attributes +=
            " stroke-dasharray=\"" + number(stroke.dash) + " " + number(stroke.gap) + "\"";
    }
    return attributes;
}

std::string lineStyle(Rgb colour, Ink ink) {
    return "fill=\"none\" stroke=\"" + hexOf(colour) + "\"" + strokeAttributes(ink);
}

// The style of an ink's one path; runways are lines each of its own width.
std::string styleOf(Ink ink) {
    switch (ink) {
    case Ink::Land:
        return "fill=\"" + hexOf(kLightMapStyle.land) + "\" stroke=\"" +
               hexOf(kLightMapStyle.coast) + "\"" + strokeAttributes(ink) +
               R"( fill-rule="evenodd")";
    case Ink::Border:
        return lineStyle(kLightMapStyle.border, ink);
    case Ink::Ring:
        return lineStyle(kLightMapStyle.ring, ink);
    case Ink::Route:
        return lineStyle(kLightMapStyle.route, ink) + R"( stroke-linejoin="round")";
    case Ink::Runway:
        break;
    }
    return {};
}

} // namespace

std::string svgOf(const MapDrawing& drawing) {
    const std::string width = number(drawing.width);
    const std::string height = number(drawing.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + ' ' + height +
                      "\" font-family=\"sans-serif\">\n";
    svg += "<title>" + xmlText(drawing.title) + "</title>\n";
    svg += "<defs><clipPath id=\"view\"><rect width=\"" + width + "\" height=\"" + height +
           "\"/></clipPath></defs>\n";
    svg += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"" +
           hexOf(kLightMapStyle.sea) + "\"/>\n";
    svg += "<g clip-path=\"url(#view)\">\n";
    for (const Ink ink : kInks) {
        if (ink == Ink::Runway) {
            svg += runwaysOf(drawing);
        } else if (const std::string path = pathOf(drawing, ink); !path.empty()) {
            svg += "<path " + std::string(styleOf(ink)) + " d=\"" + path + "\"/>\n";
        }
    }
    svg += "</g>\n<g font-size=\"" + number(kNoteSize) + "\" fill=\"" + hexOf(kLightMapStyle.note) +
           "\">\n";
    for (const DrawnText& note : drawing.notes) {
        svg += "<text x=\"" + number(note.at.x) + "\" y=\"" + number(note.at.y) + "\">" +
               xmlText(note.text) + "</text>\n";
    }
    for (const DrawnNavaid& navaid : drawing.navaids) {
        const std::string x = number(navaid.at.x);
        const std::string y = number(navaid.at.y);
        const double r = kNavaidMarkRadius;
        svg += navaid.ndb
                   ? "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"" + number(r) +
                         "\" fill=\"none\" stroke=\"" + hexOf(kLightMapStyle.note) +
                         "\" stroke-dasharray=\"1.5 1\"/>\n"
                   : "<path d=\"M" + number(navaid.at.x - r) + ' ' + y + "L" + x + ' ' +
                         number(navaid.at.y - r) + "L" + number(navaid.at.x + r) + ' ' + y + "L" +
                         x + ' ' + number(navaid.at.y + r) + "Z\" fill=\"none\" stroke=\"" +
                         hexOf(kLightMapStyle.note) + "\"/>\n";
        if (navaid.labelled) {
            svg += "<text x=\"" + number(navaid.labelAt.x) + "\" y=\"" + number(navaid.labelAt.y) +
                   "\">" + xmlText(navaid.ident) + "</text>\n";
        }
    }
    svg += "</g>\n<g font-size=\"" + number(kLabelSize) + "\">\n";
    for (const DrawnAirfield& airfield : drawing.airfields) {
        const std::string ink = "fill=\"" + hexOf(kPictureInk.mark) + "\" stroke=\"" +
                                hexOf(kPictureInk.halo) + "\" stroke-width=\"" +
                                number(kMarkOutline) + "\"/>\n";
        if (const auto corners = markCorners(airfield); !corners.empty()) {
            std::string path;
            for (const PicturePoint& corner : corners) {
                path.append(path.empty() ? "M" : "L")
                    .append(number(corner.x))
                    .append(" ")
                    .append(number(corner.y));
            }
            svg += "<path d=\"" + path + "Z\" " + ink;
        } else {
            svg += "<circle cx=\"" + number(airfield.at.x) + "\" cy=\"" + number(airfield.at.y) +
                   "\" r=\"" + number(markRadiusOf(airfield)) + "\" " + ink;
        }
        if (!airfield.labelled) {
            continue;
        }
        svg += "<text x=\"" + number(airfield.labelAt.x) + "\" y=\"" + number(airfield.labelAt.y) +
               "\" fill=\"" + hexOf(kPictureInk.mark) + "\" stroke=\"" + hexOf(kPictureInk.halo) +
               "\" stroke-width=\"" + number(kHaloWidth) + "\" paint-order=\"stroke\"" +
               (airfield.main ? " font-weight=\"bold\"" : "") + ">" + xmlText(airfield.label) +
               "</text>\n";
    }
    const ScaleBar& scale = drawing.scale;
    svg += "</g>\n<g font-size=\"" + number(kScaleTextSize) + "\" fill=\"" +
           hexOf(kPictureInk.scale) + "\"><rect x=\"" + number(scale.at.x) + "\" y=\"" +
           number(scale.at.y) + "\" width=\"" + number(scale.length) + "\" height=\"" +
           number(scale.thickness) + "\"/><text x=\"" + number(scale.textAt.x) + "\" y=\"" +
           number(scale.textAt.y) + "\">" + xmlText(scale.text) + "</text>\n";
    svg += "<text x=\"" + number(drawing.titleAt.x) + "\" y=\"" + number(drawing.titleAt.y) +
           "\" font-size=\"" + number(kTitleSize) + "\" font-weight=\"bold\">" +
           xmlText(drawing.title) + "</text></g>\n</svg>\n";
    return svg;
}

} // namespace icao
