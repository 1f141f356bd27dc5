// SPDX-License-Identifier: MIT
// Times the maps: reading the land built in, drawing a world route and a neighbourhood as steps
// and as SVG.
#include "map/land.h"
#include "map/neighbourhood_map.h"
#include "map/route_map.h"
#include "map/svg_writer.h"

#include <benchmark/benchmark.h>

namespace icao {
extern const unsigned char kLandBytes[];
extern const std::size_t kLandBytesSize;
extern const unsigned char kFinestLandBytes[];
extern const std::size_t kFinestLandBytesSize;
} // namespace icao

namespace {

const std::vector<icao::MarkedAirfield> kWorldRoute = {{"EGLL", "EGLL", {51.4706, -0.4619}, {}},
                                                       {"KJFK", "KJFK", {40.6398, -73.7789}, {}},
                                                       {"RJTT", "RJTT", {35.5523, 139.78}, {}}};
const std::vector<icao::MarkedAirfield> kShortRoute = {{"EGLL", "EGLL", {51.4706, -0.4619}, {}},
                                                       {"EGKK", "EGKK", {51.1481, -0.1903}, {}}};

// Heathrow with its runways and the airfields around it, seen at a town's size and at a
// continent's.
icao::Neighbourhood london() {
    icao::Neighbourhood london{
        {"EGLL",
         "EGLL",
         {51.4706, -0.4619},
         icao::runwaysOf("09L/27R:12799:164::1:89.6/269.6:51.4775;-0.48943/51.4777;-0.43326 "
                         "09R/27L:12001:164::1:90/270:51.4649;-0.48677/51.465;-0.43407")},
        {},
        true,
        "Near EGLL"};
    for (const icao::Place place : {icao::Place{51.1481, -0.1903}, icao::Place{51.5053, 0.0553},
                                    icao::Place{51.8747, -0.3683}, icao::Place{51.885, 0.235},
                                    icao::Place{51.6, -0.8}, icao::Place{51.3, -0.09}}) {
        london.neighbours.push_back({"EGXX", "EGXX", place, {}});
    }
    return london;
}

void drawNeighbourhood(benchmark::State& state, double radiusKm, bool svg) {
    const icao::World& world = icao::builtInWorld();
    const icao::Neighbourhood neighbourhood = london();
    for (auto _ : state) {
        const icao::MapView view =
            icao::MapView::around(neighbourhood.origin.place, radiusKm, 960, 540);
        const icao::MapDrawing drawing =
            icao::neighbourhoodDrawing(neighbourhood, world, view, icao::DistanceUnit::Kilometre);
        if (svg) {
            benchmark::DoNotOptimize(icao::svgOf(drawing));
        } else {
            benchmark::DoNotOptimize(drawing.lines.data());
        }
    }
}

void readLand(benchmark::State& state, const unsigned char* bytes, const std::size_t* size) {
    for (auto _ : state) {
        auto world = icao::readWorld({bytes, *size}, "built in");
        benchmark::DoNotOptimize(world);
    }
}

void drawRoute(benchmark::State& state, const std::vector<icao::MarkedAirfield>* stops, bool svg) {
    const icao::World& world = icao::builtInWorld();
    for (auto _ : state) {
        const icao::RouteMap map = icao::routeMap(*stops, world, icao::DistanceUnit::Kilometre);
        if (svg) {
            benchmark::DoNotOptimize(icao::svgOf(map.drawing));
        } else {
            benchmark::DoNotOptimize(map.drawing.lines.data());
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(readLand, coarse_fine_borders, icao::kLandBytes, &icao::kLandBytesSize)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readLand, finest, icao::kFinestLandBytes, &icao::kFinestLandBytesSize)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawRoute, world, &kWorldRoute, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawRoute, world_svg, &kWorldRoute, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawRoute, short, &kShortRoute, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawRoute, short_svg, &kShortRoute, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawNeighbourhood, town, 40.0, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawNeighbourhood, town_svg, 40.0, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawNeighbourhood, continent, 1500.0, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawNeighbourhood, continent_svg, 1500.0, true)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
