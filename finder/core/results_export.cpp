// SPDX-License-Identifier: MIT
#include "finder/core/results_export.h"

#include "lookup/airfield_kind.h"
#include "records/units.h"

namespace {

std::optional<icao::PlaceRecord> placeOf(const icao::AirportRecord& record) {
    const auto place = record.place();
    if (!place) {
        return std::nullopt;
    }
    const std::string kind(icao::kindName(record.kind()));
    icao::PlaceRecord out{record.code, record.name, kind, *place, record.elevationFt(), {}};
    const auto text = [&out](const char* name, const std::string& value) {
        out.fields.push_back({name, value, value.empty() ? icao::SheetValue() : value});
    };
    text("icao", record.code);
    text("name", record.name);
    text("municipality", record.municipality);
    text("country", record.country);
    text("iata", record.iata);
    text("kind", kind);
    out.fields.push_back({"latitude", record.latitude, place->latitude});
    out.fields.push_back({"longitude", record.longitude, place->longitude});
    out.fields.push_back(
        {"elevation_ft", record.elevation, icao::SheetValue::orNull(record.elevationFt())});
    text("keywords", record.keywords);
    return out;
}

} // namespace

std::vector<icao::PlaceRecord> placesOf(const SearchAnswer& answer) {
    std::vector<icao::PlaceRecord> places;
    const auto add = [&places](const icao::AirportRecord& record) -> icao::PlaceRecord* {
        auto place = placeOf(record);
        if (!place) {
            return nullptr;
        }
        places.push_back(std::move(*place));
        return &places.back();
    };
    for (const icao::FindHit& hit : answer.result.hits) {
        add(hit.item.record());
    }
    for (const icao::NearbyAirport& airport : answer.nearest) {
        if (icao::PlaceRecord* place = add(airport.item.record())) {
            const double nm = airport.distanceKm / icao::kKmPerNauticalMile;
            place->fields.push_back({"distance_nm", std::to_string(nm), nm});
            place->fields.push_back(
                {"distance_km", std::to_string(airport.distanceKm), airport.distanceKm});
            place->fields.push_back(
                {"bearing_deg", std::to_string(airport.bearing), airport.bearing});
        }
    }
    for (const icao::AirportRecord& record : answer.recent) {
        add(record);
    }
    return places;
}
