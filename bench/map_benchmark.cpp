// SPDX-License-Identifier: MIT
// Times the maps: reading the land built in, and drawing a world route as steps and as SVG.
#include "map/land.h"
#include "map/route_map.h"
#include "map/svg_writer.h"

#include <benchmark/benchmark.h>

namespace icao {
extern const unsigned char kLandBytes[];
extern const std::size_t kLandBytesSize;
} // namespace icao

namespace {

const std::vector<icao::MapStop> kWorldRoute = {{"EGLL", {51.4706, -0.4619}, {}},
                                                {"KJFK", {40.6398, -73.7789}, {}},
                                                {"RJTT", {35.5523, 139.78}, {}}};
const std::vector<icao::MapStop> kShortRoute = {{"EGLL", {51.4706, -0.4619}, {}},
                                                {"EGKK", {51.1481, -0.1903}, {}}};

void readLand(benchmark::State& state) {
    for (auto _ : state) {
        auto world = icao::readWorld({icao::kLandBytes, icao::kLandBytesSize}, "built in");
        benchmark::DoNotOptimize(world);
    }
}

void drawRoute(benchmark::State& state, const std::vector<icao::MapStop>* stops, bool svg) {
    const icao::World& world = icao::builtInWorld();
    for (auto _ : state) {
        const icao::RouteMap map = icao::routeMap(*stops, world);
        if (svg) {
            benchmark::DoNotOptimize(icao::svgOf(map.drawing));
        } else {
            benchmark::DoNotOptimize(map.drawing.lines.data());
        }
    }
}

} // namespace

BENCHMARK(readLand)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawRoute, world, &kWorldRoute, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawRoute, world_svg, &kWorldRoute, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawRoute, short, &kShortRoute, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawRoute, short_svg, &kShortRoute, true)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
