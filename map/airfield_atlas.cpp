// SPDX-License-Identifier: MIT
#include "map/airfield_atlas.h"

#include "map/map_layers.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace icao {
namespace {

constexpr int kLatitudeCells = 180;
constexpr int kLongitudeCells = 360;

int cellOf(double latitude, double longitude) {
    const int row = std::clamp(static_cast<int>(std::floor(latitude + 90)), 0, kLatitudeCells - 1);
    const int column =
        std::clamp(static_cast<int>(std::floor(longitude + 180)), 0, kLongitudeCells - 1);
    return row * kLongitudeCells + column;
}

// Whether the view's scale shows airfields of the kind: how far across it reaches, in
// kilometres.
bool shownAcross(AirfieldKind kind, double acrossKm) {
    switch (kind) {
    case AirfieldKind::LargeAirport:
        return true;
    case AirfieldKind::MediumAirport:
        return acrossKm < 4000;
    case AirfieldKind::SmallAirport:
    case AirfieldKind::SeaplaneBase:
        return acrossKm < 600;
    case AirfieldKind::Heliport:
    case AirfieldKind::Balloonport:
        return acrossKm < 150;
    default:
        return false;
    }
}

bool moreImportant(const AirfieldInView& a, const AirfieldInView& b) {
    return a.airfield->kind != b.airfield->kind ? a.airfield->kind < b.airfield->kind
                                                : a.airfield->prominence > b.airfield->prominence;
}

} // namespace

std::string AtlasAirfield::label() const {
    return std::string(code.data(), std::find(code.begin(), code.end(), '\0'));
}

AtlasAirfield atlasAirfieldOf(const Place& place, std::string_view code, AirfieldKind kind,
                              std::uint32_t prominence) {
    AtlasAirfield airfield{static_cast<float>(place.latitude),
                           static_cast<float>(place.longitude),
                           kind,
                           prominence,
                           {}};
    std::copy_n(code.begin(), std::min(code.size(), airfield.code.size()), airfield.code.begin());
    return airfield;
}

AirfieldAtlas::AirfieldAtlas(std::vector<AtlasAirfield> airfields)
    : airfields_(std::move(airfields)), cellStarts_(kLatitudeCells * kLongitudeCells + 1, 0) {
    // In place: a big file's atlas has no room for a second copy.
    std::sort(airfields_.begin(), airfields_.end(),
              [](const AtlasAirfield& a, const AtlasAirfield& b) {
                  return cellOf(a.latitude, a.longitude) < cellOf(b.latitude, b.longitude);
              });
    for (const AtlasAirfield& airfield : airfields_) {
        ++cellStarts_[static_cast<std::size_t>(cellOf(airfield.latitude, airfield.longitude)) + 1];
    }
    for (std::size_t cell = 1; cell < cellStarts_.size(); ++cell) {
        cellStarts_[cell] += cellStarts_[cell - 1];
    }
}

std::vector<AirfieldInView> AirfieldAtlas::inView(const MapView& view, std::size_t most) const {
    const DegreeBox& box = view.box();
    const double acrossKm = view.kmPerPixel() * std::max(view.width(), view.height());
    const int south = static_cast<int>(std::floor(std::max(box.south, -90.0) + 90));
    const int north =
        std::min(kLatitudeCells - 1, static_cast<int>(std::floor(std::min(box.north, 90.0) + 90)));
    // A box that runs past ±180 wraps round to the cells on the other side; one that spans
    // the world holds each column once.
    const int west = static_cast<int>(std::floor(box.west + 180));
    const int east =
        std::min(west + kLongitudeCells - 1, static_cast<int>(std::floor(box.east + 180)));
    std::vector<AirfieldInView> shown;
    for (int row = south; row <= north; ++row) {
        for (int unwrapped = west; unwrapped <= east; ++unwrapped) {
            const int column = ((unwrapped % kLongitudeCells) + kLongitudeCells) % kLongitudeCells;
            // Degrees east to add, to meet the box where it runs past ±180.
            const double turn = unwrapped - column;
            const auto cell = static_cast<std::size_t>(row * kLongitudeCells + column);
            for (std::uint32_t at = cellStarts_[cell]; at < cellStarts_[cell + 1]; ++at) {
                const AtlasAirfield& airfield = airfields_[at];
                if (!shownAcross(airfield.kind, acrossKm)) {
                    continue;
                }
                const PicturePoint point =
                    view.project({airfield.latitude, airfield.longitude + turn});
                if (point.x >= 0 && point.x <= view.width() && point.y >= 0 &&
                    point.y <= view.height()) {
                    shown.push_back({&airfield, point});
                }
            }
        }
    }
    if (shown.size() > most) {
        std::nth_element(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(most),
                         shown.end(), moreImportant);
        shown.resize(most);
    }
    std::sort(shown.begin(), shown.end(), moreImportant);
    return shown;
}

void markAtlasAirfields(const AirfieldAtlas& atlas, const MapView& view, MapDrawing& drawing) {
    std::unordered_set<std::string> marked;
    for (const DrawnAirfield& airfield : drawing.airfields) {
        marked.insert(airfield.code);
    }
    const std::size_t first = drawing.airfields.size();
    for (const AirfieldInView& shown : atlas.inView(view, kMostAtlasMarks)) {
        std::string code = shown.airfield->label();
        if (marked.insert(code).second) {
            DrawnAirfield& drawn =
                drawing.airfields.emplace_back(DrawnAirfield{shown.at, code, {}, false, true});
            drawn.code = std::move(code);
            drawn.place = {shown.airfield->latitude, shown.airfield->longitude};
        }
    }
    placeLabels(drawing, first);
}

} // namespace icao
