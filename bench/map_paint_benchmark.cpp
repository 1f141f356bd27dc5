// SPDX-License-Identifier: MIT
// Times the finder's map as the pane paints it: a neighbourhood and a world route drawn as
// steps and painted with QPainter on a picture of the pane's usual size; and a frame of the
// pane as the user zooms and pans over the shipped data, every airfield in view marked, drawn
// and painted, at the scale of the world, a country and a town. Run offscreen.
#include "finder/core/search_worker.h"
#include "finder/map_painter.h"
#include "map/airfield_atlas.h"
#include "map/neighbourhood_map.h"
#include "map/route_map.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 560;
// The pane's words kept apart, as it lays them out.
constexpr icao::Labels kPaneLabels = icao::Labels::Apart;
constexpr int kHeight = 320;

void paint(benchmark::State& state, const icao::MapDrawing& drawing) {
    QImage picture(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    const MapColours colours = MapColours::of(QGuiApplication::palette());
    for (auto _ : state) {
        QPainter painter(&picture);
        paintMap(painter, drawing, colours);
    }
}

void paintNeighbourhood(benchmark::State& state) {
    icao::Neighbourhood london{{"EGLL", "EGLL", {51.4706, -0.4619}, {}}, {}, true, "EGLL"};
    for (const icao::Place place : {icao::Place{51.1481, -0.1903}, icao::Place{51.5053, 0.0553},
                                    icao::Place{51.8747, -0.3683}, icao::Place{51.6, -0.8}}) {
        london.neighbours.push_back({"EGXX", "EGXX", place, {}});
    }
    const icao::MapView view = icao::neighbourhoodView(london, kWidth, kHeight);
    paint(state, icao::neighbourhoodDrawing(london, icao::builtInWorld(), view,
                                            icao::DistanceUnit::Kilometre));
}

void paintWorldRoute(benchmark::State& state) {
    const icao::RouteMap map =
        icao::routeMap({{"EGLL", "EGLL", {51.4706, -0.4619}, {}},
                        {"KJFK", "KJFK", {40.6398, -73.7789}, {}},
                        {"RJTT", "RJTT", {35.5523, 139.78}, {}}},
                       icao::builtInWorld(), icao::DistanceUnit::Kilometre, kWidth, kHeight);
    paint(state, map.drawing);
}

// One frame as the pane makes it: Heathrow among its neighbours, every other airfield in view
// from the atlas, drawn and painted, the view this far across.
void paintEveryAirfieldInView(benchmark::State& state, const icao::AirfieldAtlas* atlas,
                              double radiusKm) {
    icao::Neighbourhood london{{"EGLL", "EGLL", {51.4706, -0.4619}, {}}, {}, true, "EGLL"};
    const icao::MapView view =
        icao::MapView::around(london.origin.place, radiusKm, kWidth, kHeight);
    QImage picture(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    const MapColours colours = MapColours::of(QGuiApplication::palette());
    std::size_t marks = 0;
    for (auto _ : state) {
        icao::MapDrawing drawing = icao::neighbourhoodDrawing(
            london, icao::builtInWorld(), view, icao::DistanceUnit::NauticalMile, kPaneLabels);
        if (atlas) {
            icao::markAtlasAirfields(*atlas, view, drawing);
        }
        QPainter painter(&picture);
        paintMap(painter, drawing, colours);
        marks = drawing.airfields.size();
    }
    state.counters["marks"] = static_cast<double>(marks);
}

} // namespace

BENCHMARK(paintNeighbourhood)->Unit(benchmark::kMillisecond);
BENCHMARK(paintWorldRoute)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    auto index = icao::AirportIndex::load(ICAO_SHIPPED_DATA_FILE);
    if (!index) {
        std::fprintf(stderr, "%s\n", index.error().describe().c_str());
        return 1;
    }
    const SharedAtlas atlas = atlasOf(*index);
    for (const auto& [scale, radiusKm] :
         {std::pair{"world", 9000.0}, {"country", 400.0}, {"town", 15.0}}) {
        benchmark::RegisterBenchmark((std::string("paintEveryAirfieldInView/") + scale).c_str(),
                                     paintEveryAirfieldInView, atlas.get(), radiusKm)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("paintWithoutAtlas/") + scale).c_str(),
                                     paintEveryAirfieldInView, nullptr, radiusKm)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
