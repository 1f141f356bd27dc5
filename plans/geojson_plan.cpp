// SPDX-License-Identifier: MIT
// Plans in GeoJSON (RFC 7946): its Point features in order, each named by its "code", "ident"
// or "name"; else the first LineString's positions, a MultiLineString's parts joined where
// they meet at the antimeridian.
#include "plans/plan_parsers.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>

namespace icao::parsers {

namespace {

std::optional<StopKind> kindOf(const QString& kind) {
    return kind == "airfield" ? std::optional(StopKind::Airfield)
           : kind == "navaid" ? std::optional(StopKind::Navaid)
           : kind == "point"  ? std::optional(StopKind::Point)
                              : std::nullopt;
}

std::optional<Place> positionOf(const QJsonValue& position) {
    const QJsonArray pair = position.toArray();
    if (pair.size() < 2 || !pair[0].isDouble() || !pair[1].isDouble()) {
        return std::nullopt;
    }
    const double longitude = pair[0].toDouble();
    const double latitude = pair[1].toDouble();
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::fabs(latitude) > 90 ||
        std::fabs(longitude) > 180) {
        return std::nullopt;
    }
    return Place{latitude, longitude};
}

// The features of a collection, a feature alone, or a bare geometry as one.
QJsonArray featuresOf(const QJsonObject& root) {
    const QString type = root.value("type").toString();
    if (type == "FeatureCollection") {
        return root.value("features").toArray();
    }
    if (type == "Feature") {
        return QJsonArray{root};
    }
    return QJsonArray{QJsonObject{{"type", "Feature"}, {"geometry", root}}};
}

} // namespace

Parsed parseGeoJson(std::string_view bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (document.isNull() || !document.isObject()) {
        return {"",
                {},
                "is not JSON: " + error.errorString().toStdString() + " at character " +
                    std::to_string(error.offset)};
    }
    std::vector<PlanWaypoint> points, line;
    bool lineTaken = false;
    for (const QJsonValue& featureValue : featuresOf(document.object())) {
        const QJsonObject feature = featureValue.toObject();
        const QJsonObject geometry = feature.value("geometry").toObject();
        const QJsonObject properties = feature.value("properties").toObject();
        const QString type = geometry.value("type").toString();
        const QJsonArray coordinates = geometry.value("coordinates").toArray();
        if (type == "Point") {
            const auto place = positionOf(coordinates);
            if (!place) {
                return {"",
                        {},
                        "feature " + std::to_string(points.size() + 1) +
                            ": a point off the earth, or no [longitude, latitude]"};
            }
            PlanWaypoint waypoint;
            for (const char* key : {"code", "ident", "name"}) {
                if (waypoint.ident.empty()) {
                    waypoint.ident = properties.value(key).toString().toStdString();
                }
            }
            waypoint.name = properties.value("code").isString()
                                ? properties.value("name").toString().toStdString()
                                : std::string();
            waypoint.kind = kindOf(properties.value("kind").toString());
            waypoint.place = *place;
            points.push_back(std::move(waypoint));
        } else if ((type == "LineString" || type == "MultiLineString") && !lineTaken) {
            lineTaken = true;
            const QJsonArray parts = type == "LineString" ? QJsonArray{coordinates} : coordinates;
            for (const QJsonValue& part : parts) {
                for (const QJsonValue& position : part.toArray()) {
                    const auto place = positionOf(position);
                    if (!place) {
                        return {"", {}, "a line's position is off the earth"};
                    }
                    // A part that begins where the one before ended, over the antimeridian.
                    if (!line.empty() && line.back().place.latitude == place->latitude &&
                        std::fabs(line.back().place.longitude) == 180 &&
                        std::fabs(place->longitude) == 180) {
                        continue;
                    }
                    line.push_back({{}, {}, StopKind::Point, *place});
                    if (line.size() > kMostPlanWaypoints) {
                        break;
                    }
                }
            }
        }
        if (points.size() > kMostPlanWaypoints) {
            break;
        }
    }
    std::vector<PlanWaypoint>& chosen = points.empty() ? line : points;
    if (chosen.size() > kMostPlanWaypoints) {
        return {"",
                {},
                "holds more than " + std::to_string(kMostPlanWaypoints) +
                    " waypoints; a route holds at most " + std::to_string(kMostPlanWaypoints)};
    }
    return {"geojson", std::move(chosen), {}};
}

} // namespace icao::parsers
