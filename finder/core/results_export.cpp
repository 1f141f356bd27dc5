// SPDX-License-Identifier: MIT
#include "finder/core/results_export.h"

#include "lookup/airfield_kind.h"
#include "records/units.h"

namespace {

// Each value set as what it is, straight into its field: GCC 12 with the sanitizers warns
// wrongly of an uninitialized value where a whole value is moved in.
template <typename Value>
void addField(icao::PlaceRecord& place, const char* name, std::string text, Value value) {
    icao::PlaceField& field = place.fields.emplace_back();
    field.name = name;
    field.text = std::move(text);
    field.value.held = std::move(value);
}

void addText(icao::PlaceRecord& place, const char* name, const std::string& text) {
    if (text.empty()) {
        addField(place, name, text, nullptr);
    } else {
        addField(place, name, text, text);
    }
}

// The record as a place at the end of the list; none where the record gives no place.
icao::PlaceRecord* addPlace(std::vector<icao::PlaceRecord>& places,
                            const icao::AirportRecord& record) {
    const auto where = record.place();
    if (!where) {
        return nullptr;
    }
    icao::PlaceRecord& place = places.emplace_back();
    place.ident = record.code;
    place.name = record.name;
    place.kind = icao::kindName(record.kind());
    place.place = *where;
    place.elevationFt = record.elevationFt();
    addText(place, "icao", record.code);
    addText(place, "name", record.name);
    addText(place, "municipality", record.municipality);
    addText(place, "country", record.country);
    addText(place, "iata", record.iata);
    addText(place, "kind", place.kind);
    addField(place, "latitude", record.latitude, where->latitude);
    addField(place, "longitude", record.longitude, where->longitude);
    if (const auto feet = record.elevationFt()) {
        addField(place, "elevation_ft", record.elevation, *feet);
    } else {
        addField(place, "elevation_ft", record.elevation, nullptr);
    }
    addText(place, "keywords", record.keywords);
    return &place;
}

} // namespace

std::vector<icao::PlaceRecord> placesOf(const SearchAnswer& answer) {
    std::vector<icao::PlaceRecord> places;
    for (const icao::FindHit& hit : answer.result.hits) {
        addPlace(places, hit.item.record());
    }
    for (const icao::NearbyAirport& airport : answer.nearest) {
        if (icao::PlaceRecord* place = addPlace(places, airport.item.record())) {
            const double nm = airport.distanceKm / icao::kKmPerNauticalMile;
            addField(*place, "distance_nm", std::to_string(nm), nm);
            addField(*place, "distance_km", std::to_string(airport.distanceKm), airport.distanceKm);
            addField(*place, "bearing_deg", std::to_string(airport.bearing), airport.bearing);
        }
    }
    for (const icao::AirportRecord& record : answer.recent) {
        addPlace(places, record);
    }
    return places;
}
