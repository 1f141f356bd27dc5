// SPDX-License-Identifier: MIT
#include "map/map_layers.h"
#include "map/neighbourhood_map.h"
#include "map/route_map.h"
#include "map/svg_writer.h"

#include <QRectF>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

Q_DECLARE_METATYPE(icao::Place)

namespace {

const icao::MarkedAirfield kEgll{"EGLL", "EGLL", {51.4706, -0.4619}, {}};
const icao::MarkedAirfield kKjfk{"KJFK", "KJFK", {40.6398, -73.7789}, {}};
const icao::MarkedAirfield kRjtt{"RJTT", "RJTT", {35.5523, 139.7800}, {}};
const icao::MarkedAirfield kKlax{"KLAX", "KLAX", {33.9425, -118.4081}, {}};

const icao::DrawnLine& routeOf(const icao::MapDrawing& drawing) {
    return *std::find_if(drawing.lines.begin(), drawing.lines.end(),
                         [](const auto& line) { return line.ink == icao::Ink::Route; });
}

// Heathrow's two runways, their thresholds as the data file gives them.
std::vector<icao::Runway> heathrowRunways() {
    return icao::runwaysOf("09L/27R:12799:164::1:89.6/269.6:51.4775;-0.48943/51.4777;-0.43326 "
                           "09R/27L:12001:164::1:90/270:51.4649;-0.48677/51.465;-0.43407");
}

std::vector<const icao::DrawnLine*> linesOf(const icao::MapDrawing& drawing, icao::Ink ink) {
    std::vector<const icao::DrawnLine*> lines;
    for (const icao::DrawnLine& line : drawing.lines) {
        if (line.ink == ink) {
            lines.push_back(&line);
        }
    }
    return lines;
}

QRectF labelRect(const icao::DrawnAirfield& airfield) {
    return {airfield.labelAt.x, airfield.labelAt.y - icao::kLabelSize * 0.8,
            icao::textWidth(airfield.label.size(), icao::kLabelSize, airfield.main),
            icao::kLabelSize};
}

} // namespace

class MapDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    // London to New York: the curve's middle lies north of where 50°N is drawn, and both ends
    // lie on their airfields' marks, within the picture.
    void theAtlanticRouteBendsNorth() {
        const icao::RouteMap map =
            icao::routeMap({kEgll, kKjfk}, icao::builtInWorld(), icao::DistanceUnit::Kilometre);
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

    // A leg keeps its two hundred steps in a route of a few, but a route of a thousand legs is
    // drawn in about as many points as the longest route of a few, every stop on its line.
    void aLongRouteIsDrawnInBoundedPoints() {
        const icao::RouteLine three = icao::routeLineOf({kEgll, kKjfk, kRjtt});
        QCOMPARE(three.points.size(), std::size_t{401});
        std::vector<icao::MarkedAirfield> stops;
        for (int stop = 0; stop < 1000; ++stop) {
            stops.push_back(stop % 2 == 0 ? kEgll : kRjtt);
        }
        const icao::RouteLine thousand = icao::routeLineOf(stops);
        QVERIFY2(thousand.points.size() <= 20000 + 2 * stops.size(),
                 qPrintable(QString::number(thousand.points.size())));
        QCOMPARE(thousand.stopAt.size(), stops.size());
        for (std::size_t stop = 0; stop < stops.size(); ++stop) {
            QCOMPARE(thousand.points[thousand.stopAt[stop]].latitude, stops[stop].place.latitude);
        }
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
        const icao::RouteMap map =
            icao::routeMap(stops, icao::builtInWorld(), icao::DistanceUnit::Kilometre);
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

    // Airfields close together get labels that overlap no other label, no mark and no note,
    // while the four sides leave room; by the picture's edge a label goes where it is seen
    // whole.
    void labelsDoNotOverlap() {
        icao::MapDrawing drawing{400, 300, "", {}, {}, {}, {}, {}, {}};
        // A runway's ident just right of an airfield's mark takes the right side from its label.
        drawing.notes.push_back({{110, 105}, "27R"});
        std::vector<icao::DrawnAirfield>& airfields = drawing.airfields;
        for (int i = 0; i < 4; ++i) {
            airfields.push_back({{200.0 + 24 * (i % 2), 200.0 + 30 * (i / 2)},
                                 "EG0" + std::to_string(i),
                                 {},
                                 false});
        }
        airfields.push_back({{395, 100}, "EGLL", {}, false});
        airfields.push_back({{300, 295}, "KJFK", {}, false});
        airfields.push_back({{100, 100}, "EHAM", {}, false});
        icao::placeLabels(drawing);
        const QRectF picture(0, 0, 400, 300);
        QVERIFY(picture.contains(labelRect(airfields[4])));
        QVERIFY(picture.contains(labelRect(airfields[5])));
        const QRectF note(110, 105 - icao::kNoteSize * 0.8, icao::textWidth(3, icao::kNoteSize),
                          icao::kNoteSize);
        QVERIFY(!labelRect(airfields[6]).intersects(note));
        for (std::size_t a = 0; a < airfields.size(); ++a) {
            for (std::size_t b = 0; b < airfields.size(); ++b) {
                const QRectF mark(airfields[b].at.x - 4, airfields[b].at.y - 4, 8, 8);
                QVERIFY(!labelRect(airfields[a]).intersects(mark));
                QVERIFY(a == b || !labelRect(airfields[a]).intersects(labelRect(airfields[b])));
            }
        }
    }

    // In a window's map a route back to where it began labels that airfield once, each leg
    // tells its distance where there is room, and a map crowded to the title's corner moves
    // the title to a free one; a picture keeps them as they were.
    void aWindowsMapLabelsEachStopOnceAndFreesTheTitle() {
        for (const icao::Labels labels : {icao::Labels::Apart, icao::Labels::EveryAirfield}) {
            const icao::RouteMap map = icao::routeMap({kEgll, kKjfk, kEgll}, icao::World{},
                                                      icao::DistanceUnit::NauticalMile, 560, 320);
            const icao::MapDrawing drawing = icao::routeDrawing(
                {kEgll, kKjfk, kEgll}, icao::routeLineOf({kEgll, kKjfk, kEgll}), icao::World{},
                map.view, icao::DistanceUnit::NauticalMile, labels);
            const auto labelled = std::count_if(
                drawing.airfields.begin(), drawing.airfields.end(),
                [](const auto& airfield) { return airfield.label == "EGLL" && airfield.labelled; });
            QCOMPARE(labelled, labels == icao::Labels::Apart ? 1 : 2);
        }
        // Each leg's distance by its middle in a window, where it covers no word or mark.
        const icao::RouteLine line = icao::routeLineOf({kEgll, kKjfk, kRjtt});
        const icao::MapView view = icao::routeView(line, 960, 540);
        const icao::MapDrawing legs =
            icao::routeDrawing({kEgll, kKjfk, kRjtt}, line, icao::World{}, view,
                               icao::DistanceUnit::NauticalMile, icao::Labels::Apart);
        QStringList notes;
        for (const icao::DrawnText& note : legs.notes) {
            notes << QString::fromStdString(note.text);
        }
        QCOMPARE(notes, (QStringList{"2991 NM", "5872 NM"}));
        const icao::DrawnBoxes words = icao::boxesOf(legs);
        for (std::size_t a = 0; a < words.words.size(); ++a) {
            for (std::size_t b = a + 1; b < words.words.size(); ++b) {
                QVERIFY(!words.words[a].overlaps(words.words[b]));
            }
        }
        icao::MapDrawing crowded{400, 300, "EGLL  Heathrow", {}, {}, {}, {}, {}, {}};
        crowded.titleAt = {12, 20};
        crowded.labels = icao::Labels::Apart;
        for (int i = 0; i < 6; ++i) {
            crowded.airfields.push_back(
                {{20.0 + 30 * i, 14}, "EGX" + std::to_string(i), {}, false});
        }
        // And the scale bar to the right of a mark on its left.
        crowded.scale = {{12, 278}, 60, 4, {12, 292}, "10 NM"};
        crowded.airfields.push_back({{30, 280}, "EGSB", {}, false});
        icao::placeLabels(crowded);
        QVERIFY(crowded.titleAt.x > 200);
        QVERIFY(crowded.scale.at.x > 200);
        const icao::DrawnBoxes boxes = icao::boxesOf(crowded);
        for (const icao::PictureBox& word : boxes.words) {
            for (const icao::PictureBox& mark : boxes.marks) {
                QVERIFY(!word.overlaps(mark));
            }
        }
    }

    // A navaid's ident goes only where it overlaps no airfield's label or mark and no other
    // ident; the airfields' labels choose first, and a navaid's mark keeps them off it.
    void navaidIdentsGiveWayToAirfields() {
        icao::MapDrawing drawing{400, 300, "", {}, {}, {}, {}, {}, {}};
        drawing.airfields.push_back({{200, 150}, "EGLL", {}, true});
        // Right of the airfield, where its label would go first; and one hemmed in on all sides.
        drawing.navaids.push_back({{230, 150}, "LON"});
        drawing.navaids.push_back({{260, 150}, "OCK", true});
        drawing.navaids.push_back({{395, 295}, "EDGE"});
        icao::placeLabels(drawing);
        const icao::DrawnAirfield& airfield = drawing.airfields[0];
        const QRectF lonMark(230 - icao::kNavaidMarkRadius, 150 - icao::kNavaidMarkRadius,
                             2 * icao::kNavaidMarkRadius, 2 * icao::kNavaidMarkRadius);
        QVERIFY(airfield.labelled);
        QVERIFY(!labelRect(airfield).intersects(lonMark));
        std::vector<QRectF> idents;
        for (const icao::DrawnNavaid& navaid : drawing.navaids) {
            if (navaid.labelled) {
                idents.push_back({navaid.labelAt.x, navaid.labelAt.y - icao::kNoteSize * 0.8,
                                  icao::textWidth(navaid.ident.size(), icao::kNoteSize),
                                  icao::kNoteSize});
            }
        }
        QVERIFY(idents.size() >= 2);
        for (std::size_t a = 0; a < idents.size(); ++a) {
            QVERIFY(!idents[a].intersects(labelRect(airfield)));
            QVERIFY(QRectF(0, 0, 400, 300).contains(idents[a]));
            for (std::size_t b = a + 1; b < idents.size(); ++b) {
                QVERIFY(!idents[a].intersects(idents[b]));
            }
        }
    }

    // In each unit the bar is a round number of it, as long as that many.
    void theScaleBarIsARoundDistance() {
        for (const icao::DistanceUnitName& unit : icao::kDistanceUnits) {
            const icao::RouteMap map =
                icao::routeMap({kEgll, kKjfk}, icao::builtInWorld(), unit.unit);
            const icao::ScaleBar& bar = map.drawing.scale;
            const double distance = std::stod(bar.text);
            const double leading = distance / std::pow(10.0, std::floor(std::log10(distance)));
            QVERIFY(leading == 1 || leading == 2 || leading == 5);
            const std::string suffix = std::string(" ").append(unit.symbol);
            QVERIFY(bar.text.ends_with(suffix));
            const double km = distance * unit.km;
            QVERIFY(std::abs(bar.length * map.view.kmPerPixel() - km) < 1e-6 * km);
            QVERIFY(bar.length > map.drawing.width / 12 && bar.length <= map.drawing.width / 5);
        }
    }

    // Around Heathrow and at either pole the rings are circles about the origin at round
    // distances, all round it, each named, and the origin lies at the middle with its
    // neighbours within the picture.
    void ringsAreRoundDistancesAroundTheOrigin_data() {
        QTest::addColumn<icao::Place>("origin");
        QTest::addColumn<icao::Place>("neighbour");
        QTest::addColumn<icao::Place>("other");
        QTest::newRow("Heathrow") << kEgll.place << icao::Place{51.1481, -0.1903}
                                  << icao::Place{51.5053, 0.0553};
        QTest::newRow("the South Pole")
            << icao::Place{-90, 0} << icao::Place{-89.5, 10} << icao::Place{-89, 140};
        QTest::newRow("the North Pole")
            << icao::Place{90, 0} << icao::Place{89.5, 0} << icao::Place{89.2, -100};
    }
    void ringsAreRoundDistancesAroundTheOrigin() {
        QFETCH(icao::Place, origin);
        QFETCH(icao::Place, neighbour);
        QFETCH(icao::Place, other);
        const icao::Neighbourhood london{
            {"EGLL", "EGLL", origin, {}},
            {{"EGKK", "EGKK", neighbour, {}}, {"EGLC", "EGLC", other, {}}},
            true,
            "Near EGLL"};
        const icao::MapView view = icao::neighbourhoodView(london);
        for (const icao::DistanceUnitName& unit : icao::kDistanceUnits) {
            const icao::MapDrawing drawing =
                icao::neighbourhoodDrawing(london, icao::builtInWorld(), view, unit.unit);
            QCOMPARE(drawing.title, std::string("Near EGLL"));
            QCOMPARE(drawing.airfields[0].label, std::string("EGLL"));
            QVERIFY(std::abs(drawing.airfields[0].at.x - view.width() / 2) < 1e-6);
            for (const icao::DrawnAirfield& airfield : drawing.airfields) {
                QVERIFY(airfield.at.x > 0 && airfield.at.x < view.width());
                QVERIFY(airfield.at.y > 0 && airfield.at.y < view.height());
            }
            const auto rings = linesOf(drawing, icao::Ink::Ring);
            QVERIFY(rings.size() >= 2);
            QCOMPARE(drawing.notes.size(), rings.size());
            for (std::size_t ring = 0; ring < rings.size(); ++ring) {
                const double distance = std::stod(drawing.notes[ring].text);
                std::string written = std::to_string(static_cast<int>(distance));
                written.append(" ").append(unit.symbol);
                QCOMPARE(drawing.notes[ring].text, written);
                QCOMPARE(distance,
                         std::stod(drawing.notes[0].text) * static_cast<double>(ring + 1));
                const double km = distance * unit.km;
                const auto& points = rings[ring]->points;
                for (std::size_t i = 0; i < points.size(); ++i) {
                    const icao::PicturePoint& at = drawing.airfields[0].at;
                    const double radius = std::hypot(points[i].x - at.x, points[i].y - at.y);
                    QVERIFY(std::abs(radius * view.kmPerPixel() - km) < 1e-6 * km);
                    // Each point a small step round from the one before: a circle, not a line
                    // there and back.
                    const icao::PicturePoint& next = points[(i + 1) % points.size()];
                    QVERIFY(std::hypot(next.x - points[i].x, next.y - points[i].y) <
                            radius * 2 * std::numbers::pi / static_cast<double>(points.size()) *
                                1.01);
                }
            }
        }
    }

    // Runways are drawn between their thresholds, as wide as they are, where the view is close
    // enough; in a wide view they are left to the airfield's mark.
    void runwaysShowOnlyInACloseView_data() {
        QTest::addColumn<double>("radiusKm");
        QTest::addColumn<int>("runways");
        QTest::newRow("the airfield") << 3.0 << 2;
        QTest::newRow("the region") << 300.0 << 0;
    }
    void runwaysShowOnlyInACloseView() {
        QFETCH(double, radiusKm);
        QFETCH(int, runways);
        icao::MarkedAirfield heathrow = kEgll;
        heathrow.runways = heathrowRunways();
        const icao::Neighbourhood airfield{heathrow, {}, false, "EGLL"};
        const icao::MapView view = icao::MapView::around(kEgll.place, radiusKm, 960, 540);
        const icao::MapDrawing drawing = icao::neighbourhoodDrawing(
            airfield, icao::builtInWorld(), view, icao::DistanceUnit::Kilometre);
        const auto drawn = linesOf(drawing, icao::Ink::Runway);
        QCOMPARE(drawn.size(), static_cast<std::size_t>(runways));
        QVERIFY(linesOf(drawing, icao::Ink::Ring).empty());
        for (const icao::DrawnLine* runway : drawn) {
            QCOMPARE(runway->points.size(), std::size_t{2});
            const double metres = 164 * 0.3048;
            QVERIFY(std::abs(runway->width * view.kmPerPixel() * 1000 - metres) < 0.01);
        }
        if (runways > 0) {
            QCOMPARE(drawn[0]->points[0].x, view.project({51.4775, -0.48943}).x);
            QVERIFY(drawn[0]->points[0].y < drawn[1]->points[0].y);
            QStringList notes;
            for (const icao::DrawnText& note : drawing.notes) {
                notes << QString::fromStdString(note.text);
            }
            QCOMPARE(notes, QStringList({"09L", "27R", "09R", "27L"}));
        }
        // Alone, an airfield is shown with its runways whole and a little around them.
        const icao::MapView fitted = icao::neighbourhoodView(airfield);
        double reach = 0;
        for (const icao::Runway& runway : heathrow.runways) {
            for (const icao::RunwayEnd& end : runway.ends) {
                const icao::PicturePoint at = fitted.project(*end.threshold);
                QVERIFY(at.x > 0 && at.x < 960 && at.y > 0 && at.y < 540);
                reach = std::max(reach, icao::distanceKm(kEgll.place, *end.threshold));
            }
        }
        QVERIFY(fitted.kmPerPixel() * 270 < 1.5 * reach);
    }

    // Close to an airfield the finest land is drawn: at San Francisco the bay east of the
    // runways is water, the airfield itself land, which the coarser outlines have wrong.
    void aCloseViewDrawsTheFinestShore() {
        const icao::Place airfield{37.619, -122.375};
        const icao::Neighbourhood ksfo{{"KSFO", "KSFO", airfield, {}}, {}, false, "KSFO"};
        const icao::MapView view = icao::MapView::around(airfield, 3, 960, 540);
        const icao::MapDrawing drawing = icao::neighbourhoodDrawing(
            ksfo, icao::builtInWorld(), view, icao::DistanceUnit::Kilometre);
        const auto land = linesOf(drawing, icao::Ink::Land);
        // Inside an odd number of rings, as the painters fill them.
        const auto onLand = [&](const icao::Place& place) {
            const icao::PicturePoint at = view.project(place);
            bool inside = false;
            for (const icao::DrawnLine* ring : land) {
                const auto& points = ring->points;
                for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                    if ((points[i].y > at.y) != (points[j].y > at.y) &&
                        at.x < points[i].x + (at.y - points[i].y) * (points[j].x - points[i].x) /
                                                 (points[j].y - points[i].y)) {
                        inside = !inside;
                    }
                }
            }
            return inside;
        };
        QVERIFY(onLand(airfield));
        QVERIFY(!onLand({37.605, -122.345}));
    }

    // Over the antimeridian an azimuthal view draws each piece of land once, not a copy a turn
    // east and west as well.
    void aCentredViewDrawsTheLandOnce() {
        const icao::Neighbourhood fiji{{"NFFN", "NFFN", {-17.7554, 177.443}, {}}, {}, true, "NFFN"};
        const icao::MapView view = icao::MapView::around(fiji.origin.place, 4000, 960, 540);
        const icao::MapDrawing drawing = icao::neighbourhoodDrawing(
            fiji, icao::builtInWorld(), view, icao::DistanceUnit::Kilometre);
        const auto land = linesOf(drawing, icao::Ink::Land);
        QVERIFY(!land.empty());
        for (std::size_t a = 0; a < land.size(); ++a) {
            for (std::size_t b = a + 1; b < land.size(); ++b) {
                QVERIFY(land[a]->points.size() != land[b]->points.size() ||
                        std::abs(land[a]->points[0].x - land[b]->points[0].x) > 1e-6);
            }
        }
    }

    // A route's navaid is drawn as a diamond and a point as a triangle round where each lies,
    // an airfield as a dot; the SVG draws each shape the drawing gives.
    void eachKindOfStopHasItsMark() {
        icao::MarkedAirfield navaid{"CPT", "CPT", {51.49, -1.22}, {}, icao::StopKind::Navaid};
        icao::MarkedAirfield point{"50N010W", "50N010W", {50, -10}, {}, icao::StopKind::Point};
        const icao::RouteMap map = icao::routeMap(
            {kEgll, navaid, point, kKjfk}, icao::builtInWorld(), icao::DistanceUnit::Kilometre);
        const auto& drawn = map.drawing.airfields;
        QCOMPARE(drawn.size(), std::size_t{4});
        const icao::Mark marks[] = {icao::Mark::Airfield, icao::Mark::Navaid, icao::Mark::Point,
                                    icao::Mark::Airfield};
        const std::size_t corners[] = {0, 4, 3, 0};
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            QCOMPARE(drawn[i].mark, marks[i]);
            const auto shape = icao::markCorners(drawn[i]);
            QCOMPARE(shape.size(), corners[i]);
            for (const icao::PicturePoint& corner : shape) {
                const double apart = std::hypot(corner.x - drawn[i].at.x, corner.y - drawn[i].at.y);
                QVERIFY(apart > 1 && apart < 10);
            }
        }
        const std::string svg = icao::svgOf(map.drawing);
        const auto count = [&svg](const std::string& mark) {
            std::size_t found = 0;
            for (std::size_t at = svg.find(mark); at != std::string::npos;
                 at = svg.find(mark, at + 1)) {
                ++found;
            }
            return found;
        };
        QCOMPARE(count("<circle"), std::size_t{2});
        QCOMPARE(count("Z\" fill=\"#1f3b57\""), std::size_t{2});
    }

    // The SVG is well-formed XML with its title, whatever the labels hold.
    void theSvgIsWellFormed() {
        icao::MarkedAirfield odd = kKjfk;
        odd.label = "K<&>\"";
        const std::string svg = icao::svgOf(
            icao::routeMap({kEgll, odd}, icao::builtInWorld(), icao::DistanceUnit::Kilometre)
                .drawing);
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

    // A label's characters XML 1.0 does not allow, and bytes that are not UTF-8 (a broken
    // sequence, an encoded surrogate, an overlong form), are written as U+FFFD; the rest stand.
    void labelsKeepOnlyWhatXmlAllows() {
        const std::pair<std::string, std::u16string> cases[] = {
            {"A\x01"
             "B",
             u"A\uFFFDB"},
            {"A\tB", u"A\tB"},
            {"Z\xC3\xBCrich", u"Z\u00FCrich"},
            {"A\xC3", u"A\uFFFD"},
            {"A\xED\xA0\x80"
             "B",
             u"A\uFFFD\uFFFD\uFFFDB"},
            {"A\xC0\xAF"
             "B",
             u"A\uFFFD\uFFFDB"},
            {"A\xEF\xBF\xBE"
             "B",
             u"A\uFFFDB"},
            {"\xF0\x9F\x9B\xAB", u"\U0001F6EB"},
        };
        for (const auto& [label, shown] : cases) {
            icao::MarkedAirfield odd = kKjfk;
            odd.label = label;
            const std::string svg = icao::svgOf(
                icao::routeMap({kEgll, odd}, icao::builtInWorld(), icao::DistanceUnit::Kilometre)
                    .drawing);
            QXmlStreamReader xml(QByteArray::fromStdString(svg));
            QStringList texts;
            while (!xml.atEnd()) {
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
                    texts << xml.readElementText();
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY2(texts.contains(QString::fromStdU16String(shown)),
                     qPrintable(texts.join(" | ")));
        }
    }
};

QTEST_MAIN(MapDrawingTest)
#include "tst_map_drawing.moc"
