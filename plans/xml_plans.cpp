// SPDX-License-Identifier: MIT
// Plans in XML: GPX 1.0 and 1.1, KML 2.2, Garmin FlightPlan v1 and MSFS's PLN. Qt's stream
// reader reads them: no external entity is fetched, and entities expand only so far.
#include "plans/plan_parsers.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>
#include <map>
#include <utility>

namespace icao::parsers {

namespace {

std::string text(QXmlStreamReader& xml) {
    return xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toStdString();
}

std::optional<StopKind> kindNamed(const std::string& name) {
    const QString kind = QString::fromStdString(name).toLower();
    if (kind == "airfield" || kind == "airport") {
        return StopKind::Airfield;
    }
    if (kind == "vor" || kind == "ndb" || kind == "navaid") {
        return StopKind::Navaid;
    }
    if (kind == "point" || kind == "user" || kind == "user waypoint") {
        return StopKind::Point;
    }
    return std::nullopt;
}

// Collects waypoints, refusing more than a route holds and places off the earth.
class Collector {
  public:
    explicit Collector(std::string_view format) : format_(format) {}

    bool add(PlanWaypoint waypoint, std::vector<PlanWaypoint>& into) {
        if (into.size() >= kMostPlanWaypoints) {
            error_ = "holds more than " + std::to_string(kMostPlanWaypoints) +
                     " waypoints; a route holds at most " + std::to_string(kMostPlanWaypoints);
            return false;
        }
        into.push_back(std::move(waypoint));
        return true;
    }
    bool place(const QString& latitude, const QString& longitude, PlanWaypoint& waypoint,
               std::size_t number) {
        const auto place = placeFrom(latitude.toStdString(), longitude.toStdString());
        if (!place) {
            error_ = "waypoint " + std::to_string(number) + " lies off the earth: latitude \"" +
                     latitude.left(40).toStdString() + "\", longitude \"" +
                     longitude.left(40).toStdString() + '"';
            return false;
        }
        waypoint.place = *place;
        return true;
    }
    void fail(std::string why) { error_ = std::move(why); }
    bool failed() const { return !error_.empty(); }
    Parsed result(std::vector<PlanWaypoint> waypoints) const {
        return {format_, failed() ? std::vector<PlanWaypoint>{} : std::move(waypoints), error_};
    }

  private:
    std::string_view format_;
    std::string error_;
};

Parsed gpxOf(QXmlStreamReader& xml) {
    Collector collect("gpx");
    std::vector<PlanWaypoint> route, waypoints, track;
    int routes = 0;
    while (!collect.failed() && !xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const QString element = xml.name().toString();
        routes += element == "rte";
        if (element != "rtept" && element != "wpt" && element != "trkpt") {
            continue;
        }
        PlanWaypoint waypoint;
        auto& into = element == "rtept" ? route : element == "wpt" ? waypoints : track;
        if (!collect.place(xml.attributes().value("lat").toString(),
                           xml.attributes().value("lon").toString(), waypoint, into.size() + 1)) {
            break;
        }
        while (xml.readNextStartElement()) {
            const QString child = xml.name().toString();
            if (child == "name") {
                waypoint.ident = text(xml);
            } else if (child == "desc") {
                waypoint.name = text(xml);
            } else if (child == "type") {
                waypoint.kind = kindNamed(text(xml));
            } else {
                xml.skipCurrentElement();
            }
        }
        // Only the first route: a file of several gives the one its program showed first.
        if (element != "rtept" || routes <= 1) {
            collect.add(std::move(waypoint), into);
        }
    }
    return collect.result(!route.empty() ? route : !waypoints.empty() ? waypoints : track);
}

// "lon,lat[,alt]" tuples apart by white space.
std::vector<std::pair<QString, QString>> kmlCoordinates(const std::string& text) {
    std::vector<std::pair<QString, QString>> tuples;
    for (const QString& tuple :
         QString::fromStdString(text).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
        const QStringList parts = tuple.split(',');
        tuples.emplace_back(parts.value(1), parts.value(0));
        if (tuples.size() > kMostPlanWaypoints) {
            break;
        }
    }
    return tuples;
}

Parsed kmlOf(QXmlStreamReader& xml) {
    Collector collect("kml");
    std::vector<PlanWaypoint> points;
    // The first line's positions, taken only where no placemark is a point.
    std::vector<std::pair<QString, QString>> line;
    PlanWaypoint placemark;
    std::optional<std::pair<QString, QString>> point;
    bool inPlacemark = false;
    bool inPoint = false;
    bool lineTaken = false;
    while (!collect.failed() && !xml.atEnd()) {
        xml.readNext();
        const QString element = xml.name().toString();
        if (xml.isEndElement()) {
            if (element == "Point") {
                inPoint = false;
            } else if (element == "Placemark") {
                inPlacemark = false;
                if (point &&
                    collect.place(point->first, point->second, placemark, points.size() + 1)) {
                    collect.add(placemark, points);
                }
            }
            continue;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        if (element == "Placemark") {
            inPlacemark = true;
            placemark = {};
            point.reset();
        } else if (inPlacemark && element == "name") {
            placemark.ident = text(xml);
        } else if (inPlacemark && element == "description") {
            placemark.name = text(xml);
        } else if (inPlacemark && element == "Data" &&
                   xml.attributes().value("name") == QStringLiteral("kind")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QStringLiteral("value")) {
                    placemark.kind = kindNamed(text(xml));
                } else {
                    xml.skipCurrentElement();
                }
            }
        } else if (element == "Point") {
            inPoint = true;
        } else if (element == "coordinates") {
            const auto tuples = kmlCoordinates(text(xml));
            if (inPoint && !tuples.empty()) {
                point = tuples.front();
            } else if (!inPoint && !lineTaken) {
                lineTaken = true;
                line = tuples;
            }
        }
    }
    if (points.empty()) {
        for (const auto& [latitude, longitude] : line) {
            PlanWaypoint vertex;
            if (!collect.place(latitude, longitude, vertex, points.size() + 1) ||
                !collect.add(vertex, points)) {
                break;
            }
        }
    }
    return collect.result(std::move(points));
}

std::optional<StopKind> fplKind(const std::string& type) {
    return type == "AIRPORT"                ? std::optional(StopKind::Airfield)
           : type == "VOR" || type == "NDB" ? std::optional(StopKind::Navaid)
                                            : std::optional(StopKind::Point);
}

Parsed fplOf(QXmlStreamReader& xml) {
    Collector collect("fpl");
    std::map<std::pair<std::string, std::string>, PlanWaypoint> table;
    std::vector<PlanWaypoint> tableOrder, route;
    while (!collect.failed() && !xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const QString element = xml.name().toString();
        if (element == "waypoint") {
            PlanWaypoint waypoint;
            std::string type;
            QString latitude, longitude;
            while (xml.readNextStartElement()) {
                const QString child = xml.name().toString();
                if (child == "identifier") {
                    waypoint.ident = text(xml);
                } else if (child == "type") {
                    type = text(xml);
                } else if (child == "lat") {
                    latitude = QString::fromStdString(text(xml));
                } else if (child == "lon") {
                    longitude = QString::fromStdString(text(xml));
                } else if (child == "comment") {
                    waypoint.name = text(xml);
                } else {
                    xml.skipCurrentElement();
                }
            }
            waypoint.kind = fplKind(type);
            if (collect.place(latitude, longitude, waypoint, tableOrder.size() + 1) &&
                collect.add(waypoint, tableOrder)) {
                table.emplace(std::pair(waypoint.ident, type), waypoint);
            }
        } else if (element == "route-point") {
            std::string identifier, type;
            while (xml.readNextStartElement()) {
                const QString child = xml.name().toString();
                if (child == "waypoint-identifier") {
                    identifier = text(xml);
                } else if (child == "waypoint-type") {
                    type = text(xml);
                } else {
                    xml.skipCurrentElement();
                }
            }
            const auto found = table.find({identifier, type});
            if (found == table.end()) {
                collect.fail("its route passes " + identifier.substr(0, 40) +
                             ", which its waypoint table does not hold");
            } else {
                collect.add(found->second, route);
            }
        }
    }
    return collect.result(!route.empty() ? route : tableOrder);
}

// N51° 28' 14.69",W0° 27' 35.67",+000083.00 as degrees, or as a number where a file writes one.
QString degreesOfWorldPosition(const QString& part) {
    static const QRegularExpression angle(
        QStringLiteral(R"(^\s*([NSEW])\s*(\d+)\s*\x{00B0}\s*(\d+)\s*'\s*([\d.]+)\s*"?\s*$)"));
    const QRegularExpressionMatch match = angle.match(part);
    if (!match.hasMatch()) {
        return part;
    }
    const double degrees = match.captured(2).toDouble() + match.captured(3).toDouble() / 60 +
                           match.captured(4).toDouble() / 3600;
    const bool negative = match.captured(1) == "S" || match.captured(1) == "W";
    return QString::number(negative ? -degrees : degrees, 'f', 8);
}

Parsed plnOf(QXmlStreamReader& xml) {
    Collector collect("pln");
    std::vector<PlanWaypoint> waypoints;
    while (!collect.failed() && !xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QStringLiteral("ATCWaypoint")) {
            continue;
        }
        PlanWaypoint waypoint;
        waypoint.ident = xml.attributes().value("id").toString().toStdString();
        QStringList position;
        while (xml.readNextStartElement()) {
            const QString child = xml.name().toString();
            if (child == "ATCWaypointType") {
                waypoint.kind = kindNamed(text(xml));
            } else if (child == "WorldPosition") {
                position = QString::fromStdString(text(xml)).split(',');
            } else if (child == "ICAO") {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QStringLiteral("ICAOIdent")) {
                        waypoint.ident = text(xml);
                    } else {
                        xml.skipCurrentElement();
                    }
                }
            } else {
                xml.skipCurrentElement();
            }
        }
        if (collect.place(degreesOfWorldPosition(position.value(0)),
                          degreesOfWorldPosition(position.value(1)), waypoint,
                          waypoints.size() + 1)) {
            collect.add(std::move(waypoint), waypoints);
        }
    }
    return collect.result(std::move(waypoints));
}

} // namespace

Parsed parseXmlPlan(std::string_view bytes) {
    QXmlStreamReader xml(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    while (!xml.atEnd() && !xml.isStartElement()) {
        xml.readNext();
    }
    if (!xml.isStartElement()) {
        return {"", {}, "is not XML: " + xml.errorString().toStdString()};
    }
    const QString root = xml.name().toString();
    Parsed parsed = root == "gpx"                ? gpxOf(xml)
                    : root == "kml"              ? kmlOf(xml)
                    : root == "flight-plan"      ? fplOf(xml)
                    : root == "SimBase.Document" ? plnOf(xml)
                                                 : Parsed{"", {}, {}};
    if (parsed.format.empty()) {
        return {"",
                {},
                "is XML but no plan: its root is <" + root.left(40).toStdString() +
                    ">, not gpx, kml, flight-plan (Garmin FPL) or SimBase.Document (PLN)"};
    }
    if (parsed.error.empty() && xml.hasError()) {
        parsed.error = "is not well-formed XML: " + xml.errorString().toStdString() + " at line " +
                       std::to_string(xml.lineNumber());
        parsed.waypoints.clear();
    }
    return parsed;
}

} // namespace icao::parsers
