// SPDX-License-Identifier: MIT
#include "map/airfield_atlas.h"
#include "map/map_layers.h"
#include "map/neighbourhood_map.h"

#include <QRectF>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

namespace {

using icao::AirfieldKind;

const icao::Place kHeathrow{51.4706, -0.4619};

// Around London, one of each kind a few kilometres apart, and far away a large airport and a
// small one.
std::vector<icao::AtlasAirfield> londonAndBeyond() {
    return {icao::atlasAirfieldOf({51.47, -0.46}, "EGLL", AirfieldKind::LargeAirport, 900),
            icao::atlasAirfieldOf({51.50, 0.05}, "EGLC", AirfieldKind::MediumAirport, 500),
            icao::atlasAirfieldOf({51.40, -0.30}, "EGSM", AirfieldKind::SmallAirport, 10),
            icao::atlasAirfieldOf({51.47, -0.18}, "EGLW", AirfieldKind::Heliport, 5),
            icao::atlasAirfieldOf({51.45, -0.40}, "EGCL", AirfieldKind::Closed, 1),
            icao::atlasAirfieldOf({40.64, -73.78}, "KJFK", AirfieldKind::LargeAirport, 800),
            icao::atlasAirfieldOf({40.70, -73.90}, "KSML", AirfieldKind::SmallAirport, 1)};
}

// A made-up code, built in steps: GCC 12 warns wrongly of overlap in one chain of additions.
std::string codeOf(char letter, int number) {
    std::string code(1, letter);
    code += std::to_string(number);
    return code;
}

QStringList codesOf(const std::vector<icao::AirfieldInView>& airfields) {
    QStringList codes;
    for (const icao::AirfieldInView& shown : airfields) {
        codes << QString::fromStdString(shown.airfield->label());
    }
    return codes;
}

QRectF labelRect(const icao::DrawnAirfield& airfield) {
    const double width = icao::textWidth(airfield.label.size(), icao::kLabelSize, airfield.main);
    return {airfield.labelAt.x, airfield.labelAt.y - 0.8 * icao::kLabelSize, width,
            icao::kLabelSize};
}

} // namespace

class AirfieldAtlasTest : public QObject {
    Q_OBJECT

  private slots:
    // Each scale shows the kinds a user looks for there, most important first, and only what
    // lies within the picture; closed airfields never.
    void eachScaleShowsItsKinds_data() {
        QTest::addColumn<double>("radiusKm");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("world") << 9000.0 << QStringList{"EGLL", "KJFK"};
        QTest::newRow("continent") << 1000.0 << QStringList{"EGLL", "EGLC"};
        QTest::newRow("country") << 150.0 << QStringList{"EGLL", "EGLC", "EGSM"};
        QTest::newRow("town") << 30.0 << QStringList{"EGLL", "EGLC", "EGSM", "EGLW"};
    }
    void eachScaleShowsItsKinds() {
        QFETCH(double, radiusKm);
        QFETCH(QStringList, codes);
        const icao::AirfieldAtlas atlas(londonAndBeyond());
        const icao::MapView view = icao::MapView::around(kHeathrow, radiusKm, 960, 540);
        QCOMPARE(codesOf(atlas.inView(view, 100)), codes);
    }

    // Past the most a map marks, the most prominent stay; a view across the antimeridian finds
    // the airfields on both sides of it.
    void theMostProminentStayAndTheAntimeridianJoins() {
        std::vector<icao::AtlasAirfield> many;
        for (std::uint32_t i = 0; i < 50; ++i) {
            many.push_back(icao::atlasAirfieldOf({-17.0 + i * 0.01, 178.0 + i * 0.01},
                                                 codeOf('F', static_cast<int>(100 + i)),
                                                 AirfieldKind::LargeAirport, i));
        }
        many.push_back(
            icao::atlasAirfieldOf({-13.8, -172.0}, "NSFA", AirfieldKind::LargeAirport, 1000));
        const icao::AirfieldAtlas atlas(std::move(many));
        const icao::MapView view({170, 195, -25, -5}, 960, 540);
        qDebug() << codesOf(atlas.inView(view, 100)).size() << view.project({-13.8, -172.0}).x
                 << view.box().west << view.box().east;
        const QStringList codes = codesOf(atlas.inView(view, 3));
        QCOMPARE(codes, (QStringList{"NSFA", "F149", "F148"}));
        const auto all = atlas.inView(view, 100);
        QCOMPARE(all.size(), std::size_t{51});
        // Samoa, past 180°, lies east of Fiji on the picture.
        QVERIFY(all.front().at.x > all.back().at.x);
    }

    // The atlas's airfields join a neighbourhood's as lesser marks, none twice, each label
    // clear of every other label, mark, note, the title and the scale bar, or left out.
    void lesserMarksNeverCollide() {
        std::vector<icao::AtlasAirfield> crowd;
        for (int row = 0; row < 30; ++row) {
            for (int column = 0; column < 30; ++column) {
                crowd.push_back(icao::atlasAirfieldOf({51.2 + row * 0.02, -0.9 + column * 0.03},
                                                      codeOf('X', 100 + row * 30 + column),
                                                      AirfieldKind::SmallAirport, 1));
            }
        }
        crowd.push_back(icao::atlasAirfieldOf(kHeathrow, "EGLL", AirfieldKind::LargeAirport, 9));
        const icao::AirfieldAtlas atlas(std::move(crowd));
        const icao::Neighbourhood london{{"EGLL", "EGLL", kHeathrow, {}},
                                         {{"EGLC", "EGLC", {51.5053, 0.0553}, {}}},
                                         true,
                                         "EGLL  Heathrow"};
        const icao::MapView view = icao::MapView::around(kHeathrow, 40, 560, 320);
        icao::MapDrawing drawing = icao::neighbourhoodDrawing(london, icao::World{}, view,
                                                              icao::DistanceUnit::NauticalMile);
        icao::markAtlasAirfields(atlas, view, drawing);
        const auto& airfields = drawing.airfields;
        QVERIFY(airfields.size() > 100 && airfields.size() <= 2 + icao::kMostAtlasMarks);
        QCOMPARE(std::count_if(airfields.begin(), airfields.end(),
                               [](const auto& airfield) { return airfield.label == "EGLL"; }),
                 1);
        QVERIFY(!airfields[0].lesser && !airfields[1].lesser && airfields[2].lesser);
        std::vector<QRectF> taken = {{drawing.titleAt.x, drawing.titleAt.y - icao::kTitleSize,
                                      icao::textWidth(drawing.title.size(), icao::kTitleSize, true),
                                      icao::kTitleSize},
                                     {drawing.scale.at.x, drawing.scale.at.y, drawing.scale.length,
                                      drawing.scale.textAt.y - drawing.scale.at.y}};
        for (const icao::DrawnAirfield& airfield : airfields) {
            const double reach = icao::markRadiusOf(airfield);
            taken.emplace_back(airfield.at.x - reach, airfield.at.y - reach, 2 * reach, 2 * reach);
        }
        std::size_t labelled = 0;
        for (std::size_t a = 0; a < airfields.size(); ++a) {
            if (!airfields[a].lesser || !airfields[a].labelled) {
                continue;
            }
            ++labelled;
            const QRectF label = labelRect(airfields[a]);
            QVERIFY(QRectF(0, 0, drawing.width, drawing.height).contains(label));
            for (const QRectF& other : taken) {
                QVERIFY(!label.intersects(other));
            }
            for (std::size_t b = 0; b < airfields.size(); ++b) {
                QVERIFY(a == b || !airfields[b].labelled ||
                        !label.intersects(labelRect(airfields[b])));
            }
        }
        QVERIFY(labelled > 5 && labelled < airfields.size() - 2);
    }

    // In a window's map no word covers another or a mark, at the scale of the world, of a
    // country and of a town: the title, the scale, the rings' distances, the runways' idents,
    // the labels of the airfields it is about, the lesser ones' and the navaids'.
    void everyWordStandsApartAtEveryScale_data() {
        QTest::addColumn<double>("radiusKm");
        QTest::newRow("world") << 6000.0;
        QTest::newRow("country") << 300.0;
        QTest::newRow("town") << 12.0;
    }
    void everyWordStandsApartAtEveryScale() {
        QFETCH(double, radiusKm);
        std::vector<icao::AtlasAirfield> crowd;
        icao::Neighbourhood london{
            {"EGLL", "EGLL", kHeathrow, {}}, {}, true, "EGLL  London Heathrow"};
        for (int row = 0; row < 40; ++row) {
            for (int column = 0; column < 40; ++column) {
                const icao::Place place{50.5 + row * 0.05, -1.9 + column * 0.08};
                crowd.push_back(icao::atlasAirfieldOf(place, codeOf('X', 1000 + row * 40 + column),
                                                      AirfieldKind::SmallAirport, 1));
                // The nearest, bold and all where they crowd in on one another.
                if (row % 4 == 0 && column % 5 == 0 && london.neighbours.size() < 30) {
                    const std::string code = codeOf('N', row * 40 + column);
                    london.neighbours.push_back({code, code, place, {}});
                }
            }
        }
        for (int aid = 0; aid < 8; ++aid) {
            london.navaids.push_back(
                {{51.2 + aid * 0.07, -0.8 + aid * 0.1}, codeOf('V', aid), aid % 2 == 0});
        }
        const icao::AirfieldAtlas atlas(std::move(crowd));
        const icao::MapView view = icao::MapView::around(kHeathrow, radiusKm, 800, 500);
        icao::MapDrawing drawing = icao::neighbourhoodDrawing(
            london, icao::World{}, view, icao::DistanceUnit::NauticalMile, icao::Labels::Apart);
        icao::markAtlasAirfields(atlas, view, drawing);
        const icao::DrawnBoxes boxes = icao::boxesOf(drawing);
        QVERIFY(boxes.words.size() > 3);
        for (std::size_t a = 0; a < boxes.words.size(); ++a) {
            const icao::PictureBox& word = boxes.words[a];
            for (std::size_t b = a + 1; b < boxes.words.size(); ++b) {
                QVERIFY2(!word.overlaps(boxes.words[b]),
                         qPrintable(QString("words %1 and %2").arg(a).arg(b)));
            }
            for (const icao::PictureBox& mark : boxes.marks) {
                QVERIFY2(!word.overlaps(mark),
                         qPrintable(QString("word %1 at %2,%3 over a mark at %4,%5")
                                        .arg(a)
                                        .arg(word.left)
                                        .arg(word.top)
                                        .arg(mark.left)
                                        .arg(mark.top)));
            }
        }
    }
};

QTEST_MAIN(AirfieldAtlasTest)
#include "tst_airfield_atlas.moc"
