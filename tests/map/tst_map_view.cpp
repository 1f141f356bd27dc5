// SPDX-License-Identifier: MIT
#include "map/clipping.h"
#include "map/great_circle.h"
#include "map/map_view.h"

#include <QTest>
#include <cmath>
#include <numbers>

namespace {

constexpr double kWidth = 960;
constexpr double kHeight = 540;

double turnBetween(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

double pixelsBetween(const icao::PicturePoint& a, const icao::PicturePoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// A ring's area by the shoelace formula.
double areaOf(const std::vector<icao::PicturePoint>& ring) {
    double twice = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const auto& a = ring[i];
        const auto& b = ring[(i + 1) % ring.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::abs(twice) / 2;
}

using Points = std::vector<icao::PicturePoint>;

} // namespace

Q_DECLARE_METATYPE(icao::Place)
Q_DECLARE_METATYPE(Points)

class MapViewTest : public QObject {
    Q_OBJECT

  private slots:
    // Around any centre, even a pole or the antimeridian, a place lies as far from the middle
    // of the picture as it is from the centre, in the direction of its bearing, and the point
    // reads back as the place.
    void theAzimuthalViewKeepsDistancesAndBearings_data() {
        QTest::addColumn<icao::Place>("centre");
        QTest::addColumn<icao::Place>("place");
        QTest::newRow("London, Gatwick") << icao::Place{51.47, -0.46} << icao::Place{51.15, -0.19};
        QTest::newRow("London, New York")
            << icao::Place{51.47, -0.46} << icao::Place{40.64, -73.78};
        QTest::newRow("over the antimeridian")
            << icao::Place{-17.76, 177.44} << icao::Place{-13.83, -171.99};
        QTest::newRow("by the pole") << icao::Place{89.9, 0.0} << icao::Place{78.25, 15.47};
        QTest::newRow("the centre itself") << icao::Place{10.0, 20.0} << icao::Place{10.0, 20.0};
    }
    void theAzimuthalViewKeepsDistancesAndBearings() {
        QFETCH(icao::Place, centre);
        QFETCH(icao::Place, place);
        const icao::MapView view = icao::MapView::around(centre, 100, kWidth, kHeight);
        const icao::PicturePoint middle{kWidth / 2, kHeight / 2};
        const icao::PicturePoint at = view.project(place);
        const double km = icao::distanceKm(centre, place);
        QVERIFY(std::abs(pixelsBetween(at, middle) * view.kmPerPixel() - km) < 1e-6 * (km + 1));
        if (km > 1) {
            const double bearing =
                std::atan2(at.x - middle.x, middle.y - at.y) * 180 / std::numbers::pi;
            QVERIFY2(turnBetween(bearing, icao::initialCourse(centre, place)) < 1e-6,
                     qPrintable(QString::number(bearing)));
        }
        const icao::Place back = view.placeAt(at);
        QVERIFY(icao::distanceKm(back, place) < 1e-6);
    }

    // A ring cut to the frame keeps the area of it inside, also where the ring is concave and
    // leaves and enters again; a ring around the frame becomes the frame, one beside it none.
    void aRingCutToTheFrameKeepsWhatIsInside_data() {
        QTest::addColumn<Points>("ring");
        QTest::addColumn<double>("area");
        QTest::newRow("inside") << Points{{10, 10}, {20, 10}, {20, 20}} << 50.0;
        QTest::newRow("around") << Points{{-50, -50}, {200, -50}, {200, 200}, {-50, 200}}
                                << 100.0 * 100;
        QTest::newRow("beside") << Points{{150, 0}, {180, 0}, {180, 50}} << 0.0;
        QTest::newRow("half over the right edge")
            << Points{{50, 20}, {150, 20}, {150, 40}, {50, 40}} << 50.0 * 20;
        // A U whose two arms reach down past the bottom edge.
        // Outside, round the top left corner: the corner's quarter of the frame is held.
        QTest::newRow("round a corner")
            << Points{{-10, 50}, {-20, 30}, {-10, -10}, {20, -20}, {50, -10}, {50, 50}}
            << 50.0 * 50;
        QTest::newRow("concave over the bottom") << Points{{10, 80}, {30, 80}, {30, 150}, {40, 150},
                                                           {40, 80}, {60, 80}, {60, 160}, {10, 160}}
                                                 << 50.0 * 20 - 10.0 * 20;
    }
    void aRingCutToTheFrameKeepsWhatIsInside() {
        QFETCH(Points, ring);
        QFETCH(double, area);
        const icao::Frame frame{0, 0, 100, 100};
        const Points cut = icao::clippedRing(ring, frame);
        QCOMPARE(areaOf(cut), area);
        QCOMPARE(cut.empty(), area == 0);
        for (const icao::PicturePoint& point : cut) {
            QVERIFY(point.x >= 0 && point.x <= 100 && point.y >= 0 && point.y <= 100);
        }
    }

    // A line is cut into the runs that may cross the frame, each from a point outside to the
    // next outside, so that it is drawn to the edge; one passing the corner diagonally stays.
    void aLineIsCutIntoTheRunsThatCrossTheFrame() {
        const icao::Frame frame{0, 0, 100, 100};
        const auto runs = icao::clippedLine(
            {{-20, 50}, {50, 50}, {150, 50}, {200, 50}, {200, 80}, {150, 80}, {50, 80}}, frame);
        QCOMPARE(runs.size(), std::size_t{2});
        QCOMPARE(runs[0].size(), std::size_t{3});
        QCOMPARE(runs[0].front().x, -20.0);
        QCOMPARE(runs[1].front().x, 150.0);
        QCOMPARE(runs[1].back().x, 50.0);
        QCOMPARE(icao::clippedLine({{-10, 20}, {20, -10}}, frame).size(), std::size_t{1});
        QVERIFY(icao::clippedLine({{-10, -20}, {200, -10}}, frame).empty());
    }

    // Far out, an outline's point may be placed by degrees alone, but on the same side of the
    // picture as the projection puts it; near, exactly where the projection puts it.
    void anOutlineFarOutStaysOnItsSide() {
        const icao::MapView view = icao::MapView::around({51.47, -0.46}, 30, kWidth, kHeight);
        const icao::Place near{51.6, -0.2};
        QCOMPARE(view.projectOutline(near).x, view.project(near).x);
        for (const icao::Place far : {icao::Place{48.86, 2.35}, icao::Place{55.95, -3.19},
                                      icao::Place{40.64, -73.78}, icao::Place{-33.9, 151.2}}) {
            const icao::PicturePoint rough = view.projectOutline(far);
            const icao::PicturePoint exact = view.project(far);
            const auto side = [](const icao::PicturePoint& point) {
                return std::pair(point.x < 0        ? -1
                                 : point.x > kWidth ? 1
                                                    : 0,
                                 point.y < 0         ? -1
                                 : point.y > kHeight ? 1
                                                     : 0);
            };
            QVERIFY(side(exact) != std::pair(0, 0));
            QVERIFY(side(rough).first == side(exact).first ||
                    side(rough).second == side(exact).second);
        }
        // A wide view projects every point exactly.
        const icao::MapView wide = icao::MapView::around({51.47, -0.46}, 3000, kWidth, kHeight);
        QCOMPARE(wide.projectOutline({-33.9, 151.2}).y, wide.project({-33.9, 151.2}).y);
    }

    void aPlaceAlongACourseLiesThere() {
        for (const double course : {0.0, 45.0, 135.0, 270.0}) {
            const icao::Place from{-33.95, 151.18};
            const icao::Place to = icao::placeAlong(from, course, 2500);
            QVERIFY(std::abs(icao::distanceKm(from, to) - 2500) < 1e-6);
            QVERIFY(turnBetween(icao::initialCourse(from, to), course) < 1e-6);
            QVERIFY(to.longitude >= -180 && to.longitude <= 180);
        }
    }

    // Zooming keeps the place under the pointer where it was, and dragging moves the place
    // under the press to where the pointer goes, in either projection.
    void zoomAndPanHoldThePlaceUnderThePointer_data() {
        QTest::addColumn<bool>("azimuthal");
        QTest::newRow("equirectangular") << false;
        QTest::newRow("azimuthal") << true;
    }
    void zoomAndPanHoldThePlaceUnderThePointer() {
        QFETCH(bool, azimuthal);
        const icao::MapView view = azimuthal
                                       ? icao::MapView::around({51.47, -0.46}, 100, kWidth, kHeight)
                                       : icao::MapView({-80, 20, 30, 60}, kWidth, kHeight);
        const icao::PicturePoint pointer{800, 100};
        const icao::Place held = view.placeAt(pointer);
        for (const double factor : {2.0, 0.5}) {
            const icao::MapView zoomed = view.zoomed(factor, pointer);
            QVERIFY(std::abs(zoomed.kmPerPixel() * factor - view.kmPerPixel()) < 1e-9);
            QVERIFY2(pixelsBetween(zoomed.project(held), pointer) < 0.5,
                     qPrintable(QString::number(pixelsBetween(zoomed.project(held), pointer))));
        }
        const icao::PicturePoint to{300, 400};
        const icao::MapView panned = view.panned(pointer, to);
        QVERIFY(pixelsBetween(panned.project(held), to) < 0.5);
        QCOMPARE(panned.kmPerPixel(), view.kmPerPixel());
        const icao::MapView resized = view.resized(400, 300);
        QVERIFY(icao::distanceKm(resized.placeAt({200, 150}),
                                 view.placeAt({kWidth / 2, kHeight / 2})) < 1e-6);
    }

    // However far the wheel turns, the view stays between metres and the world a pixel.
    void zoomStopsAtItsBounds() {
        icao::MapView view = icao::MapView::around({0, 0}, 100, kWidth, kHeight);
        for (int turn = 0; turn < 60; ++turn) {
            view = view.zoomed(2, {10, 10});
        }
        QVERIFY(view.kmPerPixel() >= 0.002 - 1e-12);
        for (int turn = 0; turn < 60; ++turn) {
            view = view.zoomed(0.5, {10, 10});
        }
        QVERIFY(view.kmPerPixel() <= 2 * std::numbers::pi * icao::kEarthRadiusKm / 400 + 1e-9);
        QVERIFY(std::isfinite(view.placeAt({0, 0}).latitude));
    }
};

QTEST_MAIN(MapViewTest)
#include "tst_map_view.moc"
