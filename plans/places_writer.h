// SPDX-License-Identifier: MIT
#pragma once

#include "plans/plan_formats.h"
#include "records/geo.h"
#include "sheet/sheet_value.h"

#include <optional>
#include <string>
#include <vector>

namespace icao {

// A field of a place's record, as KML (its text) and GeoJSON (its value) carry it.
struct PlaceField {
    std::string name;
    std::string text;
    SheetValue value;
};

// A line of a place: a runway between its thresholds.
struct PlaceLine {
    std::string name;
    Place from;
    Place to;
};

// An airfield or a navaid as a place other programs map.
struct PlaceRecord {
    std::string ident;
    std::string name;
    std::string kind;
    Place place;
    std::optional<double> elevationFt;
    std::vector<PlaceField> fields;
    // Its runways, where the record places both ends: in KML and GeoJSON a line each after
    // the point; GPX, whose waypoints come before any line, leaves them out.
    std::vector<PlaceLine> lines = {};
};

// Places as GPX 1.1 waypoints, KML 2.2 placemarks with their fields as ExtendedData, a
// GeoJSON (RFC 7946) collection of points with their fields as properties, or CSV rows of
// their fields; written a piece at a time, so that a long list is never held whole.
class PlacesWriter {
  public:
    // GPX, KML, GeoJSON or CSV; any other format is written as GeoJSON.
    explicit PlacesWriter(PlanFormat format) : format_(format) {}

    std::string begin() const;
    std::string place(const PlaceRecord& record);
    std::string end() const;

  private:
    PlanFormat format_;
    std::size_t written_ = 0;
};

} // namespace icao
