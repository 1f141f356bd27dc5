// SPDX-License-Identifier: MIT
#pragma once

#include "plans/plan.h"

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace icao {

// The files a route is written to for the programs users take it on to.
// CSV holds a route's legs, or places' fields, and is not read back.
enum class PlanFormat { Gpx, Kml, GeoJson, Fpl, Fms, Pln, IcaoRoute, Csv };

struct PlanFormatName {
    PlanFormat format;
    // As --format takes it: "gpx".
    std::string_view name;
    // As a file dialog offers it: "GPX 1.1".
    std::string_view what;
    // A file's ending: "gpx".
    std::string_view extension;
};
inline constexpr std::array kPlanFormats = {
    PlanFormatName{PlanFormat::Gpx, "gpx", "GPX 1.1", "gpx"},
    PlanFormatName{PlanFormat::Kml, "kml", "KML 2.2 (Google Earth)", "kml"},
    PlanFormatName{PlanFormat::GeoJson, "geojson", "GeoJSON (RFC 7946)", "geojson"},
    PlanFormatName{PlanFormat::Fpl, "fpl", "Garmin FlightPlan v1", "fpl"},
    PlanFormatName{PlanFormat::Fms, "fms", "X-Plane 11 FMS", "fms"},
    PlanFormatName{PlanFormat::Pln, "pln", "Microsoft Flight Simulator PLN", "pln"},
    PlanFormatName{PlanFormat::IcaoRoute, "icao", "ICAO route (Item 15)", "txt"},
    PlanFormatName{PlanFormat::Csv, "csv", "CSV (RFC 4180)", "csv"},
};
const PlanFormatName& nameOf(PlanFormat format);

// A plan as a format writes it, and what the format could not hold and was changed, each
// said once ("FPL: names upper-cased, cut to 25 letters and digits").
struct WrittenPlan {
    std::string text;
    std::vector<std::string> changes;
};
// Written on the instant, for the formats that date their files.
WrittenPlan writePlan(const Plan& plan, PlanFormat format, std::chrono::sys_seconds now);

} // namespace icao
