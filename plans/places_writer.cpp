// SPDX-License-Identifier: MIT
#include "plans/places_writer.h"

#include "map/xml_text.h"
#include "plans/csv_text.h"
#include "plans/json_text.h"
#include "plans/plan_writers.h"

namespace icao {

std::string PlacesWriter::begin() const {
    switch (format_) {
    case PlanFormat::Csv:
        return {};
    case PlanFormat::Kml:
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n";
    case PlanFormat::Gpx:
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<gpx version=\"1.1\" creator=\"icao\" "
               "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    default:
        return "{\"type\": \"FeatureCollection\", \"features\": [";
    }
}

std::string PlacesWriter::place(const PlaceRecord& record) {
    std::string out;
    if (format_ == PlanFormat::Csv) {
        // The first place's fields name the columns.
        std::vector<std::string> names;
        std::vector<std::string> values;
        for (const PlaceField& field : record.fields) {
            names.push_back(field.name);
            values.push_back(field.text);
        }
        out = written_ == 0 ? csvLine(names) : std::string();
        out += csvLine(values);
    } else if (format_ == PlanFormat::Kml) {
        out = "<Placemark><name>" + xmlText(record.ident) + "</name><description>" +
              xmlText(record.name) + "</description><ExtendedData>";
        for (const PlaceField& field : record.fields) {
            out += "<Data name=\"" + xmlText(field.name) + "\"><value>" + xmlText(field.text) +
                   "</value></Data>";
        }
        out += "</ExtendedData><Point><coordinates>" + writers::kmlCoordinates(record.place) +
               "</coordinates></Point></Placemark>\n";
        for (const PlaceLine& line : record.lines) {
            out += "<Placemark><name>" + xmlText(record.ident + " " + line.name) +
                   "</name><LineString><coordinates>";
            out += writers::kmlCoordinates(line.from);
            out += " ";
            out += writers::kmlCoordinates(line.to);
            out += "</coordinates></LineString></Placemark>\n";
        }
    } else if (format_ == PlanFormat::Gpx) {
        out = "<wpt lat=\"" + writers::decimal(record.place.latitude, 6) + "\" lon=\"" +
              writers::decimal(writers::longitudeWithin180(record.place.longitude), 6) + "\">";
        // GPX gives heights in metres.
        if (record.elevationFt) {
            out += "<ele>" + writers::decimal(*record.elevationFt * 0.3048, 1) + "</ele>";
        }
        out += "<name>" + xmlText(record.ident) + "</name><desc>" + xmlText(record.name) +
               "</desc><type>" + xmlText(record.kind) + "</type></wpt>\n";
    } else {
        out = written_ > 0 ? ",\n" : "\n";
        out += "{\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": ";
        out += writers::geoJsonPosition(record.place);
        out += "}, \"properties\": {";
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            out += i == 0 ? "" : ", ";
            out += jsonText(record.fields[i].name);
            out += ": ";
            out += jsonOf(record.fields[i].value);
        }
        out += "}}";
        for (const PlaceLine& line : record.lines) {
            out += ",\n{\"type\": \"Feature\", \"geometry\": {\"type\": \"LineString\", "
                   "\"coordinates\": [";
            out += writers::geoJsonPosition(line.from);
            out += ", ";
            out += writers::geoJsonPosition(line.to);
            out += "]}, \"properties\": {\"icao\": ";
            out += jsonText(record.ident);
            out += ", \"runway\": ";
            out += jsonText(line.name);
            out += "}}";
        }
    }
    ++written_;
    return out;
}

std::string PlacesWriter::end() const {
    switch (format_) {
    case PlanFormat::Csv:
        return {};
    case PlanFormat::Kml:
        return "</Document>\n</kml>\n";
    case PlanFormat::Gpx:
        return "</gpx>\n";
    default:
        return "\n]}\n";
    }
}

} // namespace icao
