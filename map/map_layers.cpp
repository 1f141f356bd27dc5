// SPDX-License-Identifier: MIT
#include "map/map_layers.h"

#include "map/clipping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

namespace icao {
namespace {

// Closer than this many degrees across, the finer land is drawn, and closer than the second,
// where an airfield's shore is seen, the finest.
constexpr double kFineLandSpan = 40;
constexpr double kFinestLandSpan = 3;

void drawLines(const std::vector<MapLine>& from, Ink ink, bool closed, const MapView& view,
               std::vector<DrawnLine>& lines) {
    const DegreeBox& box = view.box();
    const Frame frame = frameOf(view.width(), view.height());
    std::vector<PicturePoint> projected;
    for (const MapLine& line : from) {
        const auto extent = boundsOf({&line, 1});
        if (!extent || extent->north < box.south || extent->south > box.north) {
            continue;
        }
        for (const double turn : {-360.0, 0.0, 360.0}) {
            if (extent->east + turn < box.west || extent->west + turn > box.east) {
                continue;
            }
            projected.clear();
            for (const Place& place : line) {
                projected.push_back(view.projectOutline({place.latitude, place.longitude + turn}));
            }
            // Cut to the picture, so that a close view does not carry a continent's outline.
            if (closed) {
                if (auto ring = clippedRing(projected, frame); !ring.empty()) {
                    lines.push_back({ink, std::move(ring), true});
                }
            } else {
                for (auto& run : clippedLine(projected, frame)) {
                    lines.push_back({ink, std::move(run), false});
                }
            }
            // An azimuthal view shows every turn in one place.
            if (!view.repeatsEastAndWest()) {
                break;
            }
        }
    }
}

// Between a mark and its label.
constexpr double kGap = 3;
// The left margin of the title and of the scale bar; the title's baseline from the top; how
// high the bar stands over the bottom, and its text's baseline under the bar's foot.
constexpr double kMargin = 12;
constexpr double kTitleBaseline = 20;
constexpr double kScaleBarRaise = 22;
constexpr double kScaleBarThickness = 4;
constexpr double kScaleTextDrop = 10;

PictureBox textBox(const PicturePoint& baseline, double width, double size) {
    return {baseline.x, baseline.y - size * 0.8, baseline.x + width, baseline.y + size * 0.2};
}

} // namespace

void drawLand(const World& world, const MapView& view, std::vector<DrawnLine>& lines) {
    const double span = view.box().east - view.box().west;
    const std::vector<MapLine>* land = span < kFineLandSpan ? &world.fineLand : &world.coarseLand;
    if (span < kFinestLandSpan && world.finestLand && !world.finestLand().empty()) {
        land = &world.finestLand();
    }
    drawLines(*land, Ink::Land, true, view, lines);
    drawLines(world.borders, Ink::Border, false, view, lines);
}

MapDrawing landDrawing(const World& world, const MapView& view) {
    MapDrawing drawing;
    drawing.width = view.width();
    drawing.height = view.height();
    drawLand(world, view, drawing.lines);
    return drawing;
}

void finishDrawing(MapDrawing& drawing, const MapView& view, DistanceUnit unit) {
    drawing.scale = scaleBarOf(view, unit);
    drawing.titleAt = {kMargin, kTitleBaseline};
    placeLabels(drawing);
}

namespace {

// The baselines a text may take beside a mark of this reach: right, left, above, below.
std::array<PicturePoint, 4> besidePlaces(const PicturePoint& at, double reach, double width,
                                         double size) {
    const double middle = at.y + size * 0.3;
    const double away = reach + kGap;
    return {PicturePoint{at.x + away, middle}, PicturePoint{at.x - away - width, middle},
            PicturePoint{at.x - width / 2, at.y - away - size * 0.2},
            PicturePoint{at.x - width / 2, at.y + away + size * 0.8}};
}

// The first of those places where the text lies whole in the picture and over nothing taken.
std::optional<PicturePoint> freePlace(const PicturePoint& at, double reach, double width,
                                      double size, const PictureBox& picture,
                                      const std::vector<PictureBox>& taken) {
    for (const PicturePoint& choice : besidePlaces(at, reach, width, size)) {
        const PictureBox box = textBox(choice, width, size);
        if (picture.holds(box) &&
            std::none_of(taken.begin(), taken.end(),
                         [&](const PictureBox& other) { return box.overlaps(other); })) {
            return choice;
        }
    }
    return std::nullopt;
}

} // namespace

bool PictureBox::holds(const PictureBox& other) const {
    return left <= other.left && other.right <= right && top <= other.top && other.bottom <= bottom;
}

bool PictureBox::overlaps(const PictureBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

namespace {

PictureBox markBox(const PicturePoint& at, double reach) {
    return {at.x - reach, at.y - reach, at.x + reach, at.y + reach};
}

PictureBox titleBox(const MapDrawing& drawing) {
    return textBox(drawing.titleAt, textWidth(drawing.title.size(), kTitleSize, true), kTitleSize);
}

PictureBox scaleBox(const ScaleBar& scale) {
    return {scale.at.x, scale.at.y,
            scale.at.x + std::max(scale.length, textWidth(scale.text.size(), kScaleTextSize)),
            scale.textAt.y + kScaleTextSize * 0.2};
}

PictureBox noteBox(const DrawnText& note) {
    return textBox(note.at, textWidth(note.text.size(), kNoteSize), kNoteSize);
}

PictureBox identBox(const DrawnNavaid& navaid) {
    return textBox(navaid.labelAt, textWidth(navaid.ident.size(), kNoteSize), kNoteSize);
}

PictureBox labelBox(const DrawnAirfield& airfield) {
    return textBox(airfield.labelAt, textWidth(airfield.label.size(), kLabelSize, airfield.main),
                   kLabelSize);
}

bool overlapsAny(const PictureBox& box, const std::vector<PictureBox>& others) {
    return std::any_of(others.begin(), others.end(),
                       [&](const PictureBox& other) { return box.overlaps(other); });
}

// The title where it covers no mark: top left, top right or bottom right; top left where
// every corner does.
void placeTitle(MapDrawing& drawing, const std::vector<PictureBox>& marks) {
    const double width = textWidth(drawing.title.size(), kTitleSize, true);
    for (const PicturePoint& at :
         {PicturePoint{kMargin, kTitleBaseline},
          PicturePoint{drawing.width - kMargin - width, kTitleBaseline},
          PicturePoint{drawing.width - kMargin - width, drawing.height - kMargin}}) {
        drawing.titleAt = at;
        if (!overlapsAny(titleBox(drawing), marks)) {
            return;
        }
    }
    drawing.titleAt = {kMargin, kTitleBaseline};
}

} // namespace

DrawnBoxes boxesOf(const MapDrawing& drawing) {
    DrawnBoxes boxes;
    if (!drawing.title.empty()) {
        boxes.words.push_back(titleBox(drawing));
    }
    if (!drawing.scale.text.empty()) {
        boxes.words.push_back(scaleBox(drawing.scale));
    }
    for (const DrawnText& note : drawing.notes) {
        boxes.words.push_back(noteBox(note));
    }
    for (const DrawnNavaid& navaid : drawing.navaids) {
        boxes.marks.push_back(markBox(navaid.at, kNavaidMarkRadius));
        if (navaid.labelled) {
            boxes.words.push_back(identBox(navaid));
        }
    }
    for (const DrawnAirfield& airfield : drawing.airfields) {
        boxes.marks.push_back(markBox(airfield.at, markRadiusOf(airfield)));
        if (airfield.labelled) {
            boxes.words.push_back(labelBox(airfield));
        }
    }
    return boxes;
}

void placeLabels(MapDrawing& drawing, std::size_t from) {
    const bool apart = drawing.labels == Labels::Apart;
    const PictureBox picture{0, 0, drawing.width, drawing.height};
    const auto reachOf = [](const DrawnAirfield& airfield) {
        return airfield.lesser ? kLesserMarkRadius : kMainMarkRadius;
    };
    std::vector<PictureBox> marks;
    for (const DrawnNavaid& navaid : drawing.navaids) {
        marks.push_back(markBox(navaid.at, kNavaidMarkRadius));
    }
    for (std::size_t i = 0; i < std::min(from, drawing.airfields.size()); ++i) {
        marks.push_back(markBox(drawing.airfields[i].at, reachOf(drawing.airfields[i])));
    }
    if (apart && from == 0) {
        std::vector<PictureBox> covered = marks;
        for (const DrawnAirfield& airfield : drawing.airfields) {
            if (!airfield.lesser) {
                covered.push_back(markBox(airfield.at, reachOf(airfield)));
            }
        }
        // The scale bar to the right where it would cover a mark on the left; then the title.
        if (!drawing.scale.text.empty() && overlapsAny(scaleBox(drawing.scale), covered)) {
            ScaleBar right = drawing.scale;
            const PictureBox box = scaleBox(right);
            const double shift = drawing.width - kMargin - (box.right - box.left) - right.at.x;
            right.at.x += shift;
            right.textAt.x += shift;
            if (!overlapsAny(scaleBox(right), covered)) {
                drawing.scale = right;
            }
        }
        if (!drawing.scale.text.empty()) {
            covered.push_back(scaleBox(drawing.scale));
        }
        if (!drawing.title.empty()) {
            placeTitle(drawing, covered);
        }
    }
    // The title and the scale bar stand over everything; no label goes under them, and where
    // the words are kept apart, no lesser airfield either.
    std::vector<PictureBox> fixed;
    if (!drawing.title.empty()) {
        fixed.push_back(titleBox(drawing));
    }
    if (!drawing.scale.text.empty()) {
        fixed.push_back(scaleBox(drawing.scale));
    }
    if (apart && from < drawing.airfields.size()) {
        drawing.airfields.erase(
            std::remove_if(drawing.airfields.begin() + static_cast<std::ptrdiff_t>(from),
                           drawing.airfields.end(),
                           [&](const DrawnAirfield& airfield) {
                               return airfield.lesser &&
                                      overlapsAny(markBox(airfield.at, reachOf(airfield)), fixed);
                           }),
            drawing.airfields.end());
    }
    for (std::size_t i = from; i < drawing.airfields.size(); ++i) {
        marks.push_back(markBox(drawing.airfields[i].at, reachOf(drawing.airfields[i])));
    }
    std::vector<PictureBox> taken = marks;
    taken.insert(taken.end(), fixed.begin(), fixed.end());
    // A ring's distance or a runway's ident; kept apart, where it covers nothing else, and
    // none where it would.
    std::erase_if(drawing.notes, [&](const DrawnText& note) {
        const PictureBox box = noteBox(note);
        if (apart && from == 0 && overlapsAny(box, taken)) {
            return true;
        }
        taken.push_back(box);
        return false;
    });
    for (const DrawnNavaid& navaid : drawing.navaids) {
        if (navaid.labelled) {
            taken.push_back(identBox(navaid));
        }
    }
    for (std::size_t i = 0; i < std::min(from, drawing.airfields.size()); ++i) {
        if (drawing.airfields[i].labelled) {
            taken.push_back(labelBox(drawing.airfields[i]));
        }
    }
    // Kept apart, each label once: a route back to where it began marks its first stop twice.
    std::vector<std::pair<std::string, PicturePoint>> placed;
    for (std::size_t i = from; i < drawing.airfields.size(); ++i) {
        DrawnAirfield& airfield = drawing.airfields[i];
        const bool again =
            apart && std::any_of(placed.begin(), placed.end(), [&](const auto& other) {
                return other.first == airfield.label &&
                       std::hypot(other.second.x - airfield.at.x, other.second.y - airfield.at.y) <
                           1;
            });
        const double width = textWidth(airfield.label.size(), kLabelSize, airfield.main);
        const auto free =
            again ? std::nullopt
                  : freePlace(airfield.at, kMainMarkRadius, width, kLabelSize, picture, taken);
        // In a picture an airfield it is about is labelled even where no place is free.
        airfield.labelAt =
            free ? *free : besidePlaces(airfield.at, kMainMarkRadius, width, kLabelSize).front();
        airfield.labelled = free || (!apart && !airfield.lesser);
        if (airfield.labelled) {
            taken.push_back(labelBox(airfield));
            placed.emplace_back(airfield.label, airfield.at);
        }
    }
    // The navaids' idents last, where nothing else is: the airfields are what the map is about.
    for (DrawnNavaid& navaid : drawing.navaids) {
        if (navaid.labelled) {
            continue;
        }
        const double width = textWidth(navaid.ident.size(), kNoteSize);
        if (const auto free =
                freePlace(navaid.at, kNavaidMarkRadius, width, kNoteSize, picture, taken)) {
            navaid.labelAt = *free;
            navaid.labelled = true;
            taken.push_back(textBox(*free, width, kNoteSize));
        }
    }
}

bool placeNote(MapDrawing& drawing, const PicturePoint& at, std::string text) {
    const double width = textWidth(text.size(), kNoteSize);
    const DrawnBoxes boxes = boxesOf(drawing);
    const auto free =
        freePlace(at, kGap, width, kNoteSize, {0, 0, drawing.width, drawing.height}, [&] {
            std::vector<PictureBox> taken = boxes.words;
            taken.insert(taken.end(), boxes.marks.begin(), boxes.marks.end());
            return taken;
        }());
    if (free) {
        drawing.notes.push_back({*free, std::move(text)});
    }
    return free.has_value();
}

double roundDistanceBelow(double distance) {
    const double power = std::pow(10.0, std::floor(std::log10(distance)));
    double round = power;
    for (const double step : {2.0, 5.0}) {
        if (step * power <= distance) {
            round = step * power;
        }
    }
    return round;
}

std::string mapDistanceText(double distance, DistanceUnit unit) {
    char text[32];
    std::snprintf(text, sizeof text, "%g %.*s", distance,
                  static_cast<int>(nameOf(unit).symbol.size()), nameOf(unit).symbol.data());
    return text;
}

ScaleBar scaleBarOf(const MapView& view, DistanceUnit unit) {
    const double distance =
        roundDistanceBelow(distanceIn(view.kmPerPixel() * view.width() / 5, unit));
    const double top = view.height() - kScaleBarRaise;
    return {{kMargin, top},
            distance * nameOf(unit).km / view.kmPerPixel(),
            kScaleBarThickness,
            {kMargin, top + kScaleBarThickness + kScaleTextDrop},
            mapDistanceText(distance, unit)};
}

} // namespace icao
