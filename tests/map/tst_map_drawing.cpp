// SPDX-License-Identifier: MIT
#include "map/map_layers.h"
#include "map/route_map.h"
#include "map/svg_writer.h"

#include <QRectF>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const icao::MapStop kEgll{"EGLL", {51.4706, -0.4619}, {}};
const icao::MapStop kKjfk{"KJFK", {40.6398, -73.7789}, {}};
const icao::MapStop kRjtt{"RJTT", {35.5523, 139.7800}, {}};
const icao::MapStop kKlax{"KLAX", {33.9425, -118.4081}, {}};

const icao::DrawnLine& routeOf(const icao::MapDrawing& drawing) {
    return *std::find_if(drawing.lines.begin(), drawing.lines.end(),
                         [](const auto& line) { return line.ink == icao::Ink::Route; });
}

QRectF labelRect(const icao::DrawnAirfield& airfield) {
    return {airfield.labelAt.x, airfield.labelAt.y - icao::kLabelSize * 0.8,
            icao::labelWidth(airfield.label.size()), icao::kLabelSize};
}

} // namespace

class MapDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    // London to New York: the curve's middle lies north of where 50°N is drawn, and both ends
    // lie on their airfields' marks, within the picture.
    void theAtlanticRouteBendsNorth() {
        const icao::RouteMap map = icao::routeMap({kEgll, kKjfk}, icao::builtInWorld());
        const icao::DrawnLine& route = routeOf(map.drawing);
        const icao::PicturePoint middle = route.points[route.points.size() / 2];
        const double longitude = (kEgll.place.longitude + kKjfk.place.longitude) / 2;
        QVERIFY(middle.y < map.view.project({50, longitude}).y);
        QCOMPARE(map.drawing.airfields.size(), std::size_t{2});
        for (const icao::DrawnAirfield& airfield : map.drawing.airfields) {
            QVERIFY(airfield.at.x > 0 && airfield.at.x < map.drawing.width);
            QVERIFY(airfield.at.y > 0 && airfield.at.y < map.drawing.height);
        }
        QCOMPARE(route.points.front().x, map.drawing.airfields[0].at.x);
        QCOMPARE(route.points.back().y, map.drawing.airfields[1].at.y);
    }

    // Over the antimeridian either way, the route is drawn whole in the picture: no step
    // crosses the map, Tokyo lies west of Los Angeles, and the land of both sides is drawn.
    void aPacificRouteIsNotDrawnAcrossTheMap_data() {
        QTest::addColumn<bool>("eastward");
        QTest::newRow("Tokyo to Los Angeles") << true;
        QTest::newRow("Los Angeles to Tokyo") << false;
    }
    void aPacificRouteIsNotDrawnAcrossTheMap() {
        QFETCH(bool, eastward);
        const auto stops = eastward ? std::vector{kRjtt, kKlax} : std::vector{kKlax, kRjtt};
        const icao::RouteMap map = icao::routeMap(stops, icao::builtInWorld());
        const icao::DrawnLine& route = routeOf(map.drawing);
        for (std::size_t i = 1; i < route.points.size(); ++i) {
            QVERIFY(std::abs(route.points[i].x - route.points[i - 1].x) < map.drawing.width / 20);
        }
        for (const icao::PicturePoint& point : route.points) {
            QVERIFY(point.x >= 0 && point.x <= map.drawing.width);
        }
        const auto& airfields = map.drawing.airfields;
        QVERIFY((airfields[0].at.x < airfields[1].at.x) == eastward);
        // Japan and California both: land left of the middle and right of it.
        const auto landNear = [&](double x) {
            return std::any_of(map.drawing.lines.begin(), map.drawing.lines.end(),
                               [x](const icao::DrawnLine& line) {
                                   return line.ink == icao::Ink::Land &&
                                          std::any_of(line.points.begin(), line.points.end(),
                                                      [x](const auto& point) {
                                                          return std::abs(point.x - x) < 40;
                                                      });
                               });
        };
        QVERIFY(landNear(std::min(airfields[0].at.x, airfields[1].at.x)));
        QVERIFY(landNear(std::max(airfields[0].at.x, airfields[1].at.x)));
    }

    // Airfields close together get labels that overlap no other label and no mark, while the
    // four sides leave room.
    void labelsDoNotOverlap() {
        std::vector<icao::DrawnAirfield> airfields;
        for (int i = 0; i < 4; ++i) {
            airfields.push_back({{200.0 + 24 * (i % 2), 200.0 + 30 * (i / 2)},
                                 "EG0" + std::to_string(i),
                                 {},
                                 false});
        }
        icao::placeLabels(airfields);
        for (std::size_t a = 0; a < airfields.size(); ++a) {
            for (std::size_t b = 0; b < airfields.size(); ++b) {
                const QRectF mark(airfields[b].at.x - 4, airfields[b].at.y - 4, 8, 8);
                QVERIFY(!labelRect(airfields[a]).intersects(mark));
                QVERIFY(a == b || !labelRect(airfields[a]).intersects(labelRect(airfields[b])));
            }
        }
    }

    void theScaleBarIsARoundDistance() {
        const icao::RouteMap map = icao::routeMap({kEgll, kKjfk}, icao::builtInWorld());
        const icao::ScaleBar& bar = map.drawing.scale;
        const double km = std::stod(bar.text);
        const double leading = km / std::pow(10.0, std::floor(std::log10(km)));
        QVERIFY(leading == 1 || leading == 2 || leading == 5);
        QVERIFY(bar.text.ends_with(" km"));
        QVERIFY(std::abs(bar.length * map.view.kmPerPixel() - km) < 1e-6 * km);
        QVERIFY(bar.length > map.drawing.width / 12 && bar.length <= map.drawing.width / 5);
    }

    // The SVG is well-formed XML with its title, whatever the labels hold.
    void theSvgIsWellFormed() {
        icao::MapStop odd = kKjfk;
        odd.label = "K<&>\"";
        const std::string svg =
            icao::svgOf(icao::routeMap({kEgll, odd}, icao::builtInWorld()).drawing);
        QXmlStreamReader xml(QByteArray::fromStdString(svg));
        QStringList texts;
        QString title;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                if (xml.name() == u"title") {
                    title = xml.readElementText();
                } else if (xml.name() == u"text") {
                    texts << xml.readElementText();
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(title, QString("EGLL – K<&>\""));
        QVERIFY(texts.contains("K<&>\""));
        QVERIFY(texts.contains("EGLL"));
    }
};

QTEST_MAIN(MapDrawingTest)
#include "tst_map_drawing.moc"
