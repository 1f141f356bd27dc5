// SPDX-License-Identifier: MIT
#include "map/clipping.h"

#include <array>

namespace icao {
namespace {

// One edge of the frame: the side of it that is kept, and where a segment meets it.
struct Edge {
    bool vertical;
    double at;
    bool keepBelow;

    bool keeps(const PicturePoint& point) const {
        const double value = vertical ? point.x : point.y;
        return keepBelow ? value <= at : value >= at;
    }
    PicturePoint meeting(const PicturePoint& a, const PicturePoint& b) const {
        const double part = vertical ? (at - a.x) / (b.x - a.x) : (at - a.y) / (b.y - a.y);
        return {a.x + part * (b.x - a.x), a.y + part * (b.y - a.y)};
    }
};

std::array<Edge, 4> edgesOf(const Frame& frame) {
    return {Edge{true, frame.left, false}, Edge{true, frame.right, true},
            Edge{false, frame.top, false}, Edge{false, frame.bottom, true}};
}

// Whether the segment lies wholly beyond one of the frame's edges, where it cannot be seen.
bool beyondAnEdge(const PicturePoint& a, const PicturePoint& b, const Frame& frame) {
    return (a.x < frame.left && b.x < frame.left) || (a.x > frame.right && b.x > frame.right) ||
           (a.y < frame.top && b.y < frame.top) || (a.y > frame.bottom && b.y > frame.bottom);
}

// Which edges of the frame the point lies beyond, a bit each.
unsigned beyond(const PicturePoint& point, const Frame& frame) {
    return (point.x < frame.left ? 1U : 0U) | (point.x > frame.right ? 2U : 0U) |
           (point.y < frame.top ? 4U : 0U) | (point.y > frame.bottom ? 8U : 0U);
}

// The ring with each run of points that all lie beyond one same edge shortened to its first
// and last: the straight way between them lies beyond that edge too, so what the ring holds
// of the frame stays the same, and a continent's far coasts cost the cutting nothing.
std::vector<PicturePoint> shortcutOutside(const std::vector<PicturePoint>& ring,
                                          const Frame& frame) {
    std::vector<PicturePoint> kept;
    std::size_t runStart = 0;
    unsigned shared = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const unsigned code = beyond(ring[i], frame);
        if (i > runStart && (shared & code) != 0) {
            shared &= code;
            continue;
        }
        // The run before this point ends at the point before it.
        if (i > runStart + 1) {
            kept.push_back(ring[i - 1]);
        }
        kept.push_back(ring[i]);
        runStart = i;
        shared = code;
    }
    if (ring.size() > runStart + 1) {
        kept.push_back(ring.back());
    }
    return kept;
}

} // namespace

Frame frameOf(double width, double height, double margin) {
    return {-margin, -margin, width + margin, height + margin};
}

// Sutherland and Hodgman's: the ring cut by each edge in turn.
std::vector<PicturePoint> clippedRing(const std::vector<PicturePoint>& ring, const Frame& frame) {
    std::vector<PicturePoint> kept = shortcutOutside(ring, frame);
    std::vector<PicturePoint> cut;
    for (const Edge& edge : edgesOf(frame)) {
        cut.clear();
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const PicturePoint& from = kept[i == 0 ? kept.size() - 1 : i - 1];
            const PicturePoint& to = kept[i];
            if (edge.keeps(to)) {
                if (!edge.keeps(from)) {
                    cut.push_back(edge.meeting(from, to));
                }
                cut.push_back(to);
            } else if (edge.keeps(from)) {
                cut.push_back(edge.meeting(from, to));
            }
        }
        kept.swap(cut);
    }
    return kept.size() < 3 ? std::vector<PicturePoint>() : kept;
}

std::vector<std::vector<PicturePoint>> clippedLine(const std::vector<PicturePoint>& line,
                                                   const Frame& frame) {
    std::vector<std::vector<PicturePoint>> runs;
    std::vector<PicturePoint> run;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (beyondAnEdge(line[i - 1], line[i], frame)) {
            if (!run.empty()) {
                runs.push_back(std::move(run));
                run.clear();
            }
            continue;
        }
        if (run.empty()) {
            run.push_back(line[i - 1]);
        }
        run.push_back(line[i]);
    }
    if (!run.empty()) {
        runs.push_back(std::move(run));
    }
    return runs;
}

} // namespace icao
