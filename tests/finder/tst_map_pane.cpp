// SPDX-License-Identifier: MIT
#include "finder/map_pane.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const icao::MarkedAirfield kEgll{"EGLL", "EGLL", {51.4706, -0.4619}, {}};
const icao::MarkedAirfield kEglc{
    "EGLC", "EGLC", {51.5053, 0.0553}, {}, icao::StopKind::Airfield, "London City Airport"};
const icao::MarkedAirfield kEgkk{"EGKK", "EGKK", {51.1481, -0.1903}, {}};

double pixelsBetween(const icao::PicturePoint& a, const QPointF& b) {
    return std::hypot(a.x - b.x(), a.y - b.y());
}

QPointF pointOf(const icao::PicturePoint& point) {
    return {point.x, point.y};
}

} // namespace

class MapPaneTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<MapPane> pane_;

    const icao::MapView& view() const { return *pane_->view(); }
    const icao::DrawnAirfield& marked(const std::string& code) const {
        const auto& airfields = pane_->drawing().airfields;
        return *std::find_if(airfields.begin(), airfields.end(),
                             [&](const auto& airfield) { return airfield.code == code; });
    }

    // The median lightness of the pane's pixels along its middle row, clear of the title and
    // the scale bar.
    int middleLightness() const {
        const QImage image = pane_->grab().toImage();
        std::vector<int> lightness;
        for (int x = 0; x < image.width(); x += 7) {
            lightness.push_back(image.pixelColor(x, image.height() / 2 + 40).lightness());
        }
        std::nth_element(lightness.begin(), lightness.begin() + lightness.size() / 2,
                         lightness.end());
        return lightness[lightness.size() / 2];
    }

  private slots:
    void init() {
        pane_ = std::make_unique<MapPane>();
        pane_->resize(480, 300);
        pane_->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane_.get()));
        pane_->showNeighbourhood({kEgll, {kEglc, kEgkk}, true, "EGLL"});
    }
    void cleanup() { pane_.reset(); }

    // The view is fitted to the pane: the origin in the middle, every neighbour within.
    void theNeighbourhoodFillsThePane() {
        QVERIFY(pane_->view());
        QCOMPARE(view().width(), 480.0);
        QVERIFY(pixelsBetween(marked("EGLL").at, {240, 150}) < 1e-6);
        for (const auto& airfield : pane_->drawing().airfields) {
            QVERIFY(QRectF(0, 0, 480, 300).contains(pointOf(airfield.at)));
        }
    }

    // A notch of the wheel zooms in about the pointer, which keeps its place; dragging takes
    // the place pressed on along to where the button is let go.
    void theWheelZoomsAndDraggingPans() {
        const QPointF pointer(400, 80);
        const icao::Place held = view().placeAt({pointer.x(), pointer.y()});
        const double before = view().kmPerPixel();
        QWheelEvent notch(pointer, pane_->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pane_.get(), &notch);
        QVERIFY(std::abs(view().kmPerPixel() * 1.5 - before) < 1e-9);
        QVERIFY(pixelsBetween(view().project(held), pointer) < 0.5);

        const QPoint from(100, 100);
        const QPoint to(300, 220);
        const icao::Place pressed = view().placeAt({100, 100});
        QTest::mousePress(pane_.get(), Qt::LeftButton, {}, from);
        QTest::mouseMove(pane_.get(), QPoint(200, 150));
        QTest::mouseMove(pane_.get(), to);
        QTest::mouseRelease(pane_.get(), Qt::LeftButton, {}, to);
        QVERIFY2(pixelsBetween(view().project(pressed), to) < 1,
                 qPrintable(QString::number(pixelsBetween(view().project(pressed), to))));
        // Moving without a button pressed leaves the view.
        QTest::mouseMove(pane_.get(), from);
        QVERIFY(pixelsBetween(view().project(pressed), to) < 1);
        // Home fits the view again; + and - zoom about the middle.
        QTest::keyClick(pane_.get(), Qt::Key_Home);
        QCOMPARE(view().kmPerPixel(), before);
        QTest::keyClick(pane_.get(), Qt::Key_Minus);
        QVERIFY(std::abs(view().kmPerPixel() - before * 1.5) < 1e-9);
        QVERIFY(pixelsBetween(view().project(kEgll.place), {240, 150}) < 0.5);
    }

    // Notch after notch, from a continent down to the closest scale, the place under the
    // pointer stays under it within a pixel, about an airfield or along a route. (Wider, north
    // kept up, no centre puts every place at every point.)
    void theWheelHoldsThePlaceAtEveryScale_data() {
        QTest::addColumn<bool>("route");
        QTest::newRow("neighbourhood") << false;
        QTest::newRow("route") << true;
    }
    void theWheelHoldsThePlaceAtEveryScale() {
        QFETCH(bool, route);
        if (route) {
            pane_->showRoute({kEgll, kEgkk, kEglc});
        }
        const QPointF pointer(371, 64);
        const auto turn = [&](int delta) {
            const icao::Place held = view().placeAt({pointer.x(), pointer.y()});
            QWheelEvent notch(pointer, pane_->mapToGlobal(pointer), {}, {0, delta}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(pane_.get(), &notch);
            return pixelsBetween(view().project(held), pointer);
        };
        for (const auto& [notches, delta] : {std::pair{10, -120}, {50, 120}, {20, -120}}) {
            for (int notch = 0; notch < notches; ++notch) {
                const double moved = turn(delta);
                QVERIFY2(
                    moved < 1,
                    qPrintable(
                        QString("%1 px at %2 km a pixel").arg(moved).arg(view().kmPerPixel())));
            }
        }
    }

    // Hovering over a mark tells what it is: an airfield's code and name, where the map knows
    // it, a navaid's ident and kind; away from every mark, nothing.
    void aMarkTellsWhatItIsOnHover() {
        pane_->showNeighbourhood(
            {kEgll, {kEglc, kEgkk}, true, "EGLL", {{{51.3047, -0.4472}, "OCK", false}}});
        const auto tipAt = [&](const QPointF& at) {
            QHelpEvent hover(QEvent::ToolTip, at.toPoint(), pane_->mapToGlobal(at.toPoint()));
            QApplication::sendEvent(pane_.get(), &hover);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(pointOf(marked("EGLC").at) + QPointF(2, 1)),
                 QString("EGLC  London City Airport"));
        QCOMPARE(tipAt(pointOf(marked("EGKK").at)), QString("EGKK"));
        QCOMPARE(tipAt(pointOf(pane_->drawing().navaids.at(0).at)),
                 QString("OCK  VHF navaid (VOR, DME)"));
        tipAt({5, 150});
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // A click on a mark, or beside it, asks for that airfield, a double click once; one on
    // the sea or land away from any asks for none, nor does a drag. The atlas's airfields in
    // view are marked too, and a click on one asks for it.
    void aClickOnAMarkChoosesIt() {
        QSignalSpy chosen(pane_.get(), &MapPane::airfieldChosen);
        const QPointF at = pointOf(marked("EGLC").at);
        QTest::mouseClick(pane_.get(), Qt::LeftButton, {}, (at + QPointF(3, -2)).toPoint());
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.takeFirst().at(0).toString(), QString("EGLC"));
        QTest::mouseDClick(pane_.get(), Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(chosen.size(), 1);
        chosen.clear();
        QTest::mouseClick(pane_.get(), Qt::LeftButton, {}, QPoint(5, 150));
        QVERIFY(chosen.isEmpty());
        QTest::mousePress(pane_.get(), Qt::LeftButton, {}, at.toPoint());
        QTest::mouseMove(pane_.get(), (at + QPointF(40, 0)).toPoint());
        QTest::mouseRelease(pane_.get(), Qt::LeftButton, {}, (at + QPointF(40, 0)).toPoint());
        QVERIFY(chosen.isEmpty());

        pane_->setAtlas(std::make_shared<const icao::AirfieldAtlas>(std::vector{
            icao::atlasAirfieldOf({51.3, -0.6}, "EGXW", icao::AirfieldKind::LargeAirport, 1)}));
        const icao::DrawnAirfield& lesser = marked("EGXW");
        QVERIFY(lesser.lesser);
        QTest::mouseClick(pane_.get(), Qt::LeftButton, {}, pointOf(lesser.at).toPoint());
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.takeFirst().at(0).toString(), QString("EGXW"));

        // A mark asks for what it stands for, whatever its label says, and is ringed by it.
        pane_->showRoute({kEgll, {"OCK", "Ockham", {51.305, -0.4472}, {}, icao::StopKind::Navaid}});
        pane_->markSelected("OCK");
        const icao::DrawnAirfield& ockham = marked("OCK");
        QCOMPARE(ockham.label, std::string("Ockham"));
        const QPointF ring = pointOf(ockham.at) + QPointF(0, icao::markRadiusOf(ockham) + 4);
        QCOMPARE(pane_->grab().toImage().pixelColor(ring.toPoint()),
                 pane_->palette().color(QPalette::Highlight));
        QTest::mouseClick(pane_.get(), Qt::LeftButton, {}, pointOf(ockham.at).toPoint());
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.takeFirst().at(0).toString(), QString("OCK"));
    }

    // The map follows the palette: dark land and sea under a dark one, light under a light one.
    void theMapFollowsThePalette() {
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        pane_->setPalette(dark);
        QVERIFY2(middleLightness() < 90, qPrintable(QString::number(middleLightness())));
        QPalette light;
        light.setColor(QPalette::Base, QColor(255, 255, 255));
        light.setColor(QPalette::Text, QColor(20, 20, 20));
        pane_->setPalette(light);
        QVERIFY2(middleLightness() > 180, qPrintable(QString::number(middleLightness())));
        // The origin's mark is drawn in the text's colour.
        const QImage image = pane_->grab().toImage();
        QCOMPARE(image.pixelColor(240, 150), QColor(20, 20, 20));
    }

    // A route replaces the neighbourhood and is fitted again to a new size, until the user
    // moves it: then a new size keeps the part of the world shown. The world shown instead
    // draws no route.
    void aRouteIsShownAndKeptThroughAResize() {
        pane_->showRoute({kEgll, {"KJFK", "KJFK", {40.6398, -73.7789}, {}}});
        QCOMPARE(pane_->drawing().title, std::string("EGLL – KJFK"));
        QCOMPARE(view().projection(), icao::Projection::Equirectangular);
        const double fittedScale = view().kmPerPixel();
        pane_->resize(960, 300);
        QTRY_COMPARE(view().width(), 960.0);
        QVERIFY(view().kmPerPixel() < fittedScale);
        QTest::keyClick(pane_.get(), Qt::Key_Left);
        const icao::Place middle = view().placeAt({480, 150});
        const double movedScale = view().kmPerPixel();
        pane_->resize(600, 400);
        QTRY_COMPARE(view().width(), 600.0);
        QCOMPARE(view().kmPerPixel(), movedScale);
        QVERIFY(icao::distanceKm(view().placeAt({300, 200}), middle) < 1e-6);
        pane_->showWorld();
        QTRY_VERIFY(view().kmPerPixel() > 50);
        const auto& lines = pane_->drawing().lines;
        QVERIFY(std::none_of(lines.begin(), lines.end(),
                             [](const auto& line) { return line.ink == icao::Ink::Route; }));
        QVERIFY(pane_->drawing().title.empty());
        QVERIFY(pane_->drawing().airfields.empty());
    }
};

QTEST_MAIN(MapPaneTest)
#include "tst_map_pane.moc"
