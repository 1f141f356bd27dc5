// SPDX-License-Identifier: MIT
#include "lookup/answers.h"
#include "records/geo.h"
#include "search/airports_by_code.h"
#include "search/find.h"
#include "search/nearby.h"
#include "search/route_reading.h"
#include "support/fixtures.h"

#include <QTest>
#include <algorithm>
#include <random>

class PlacesTest : public QObject {
    Q_OBJECT

  private slots:
    // Whether a code may be a former code is told by watching the code lookup's own pass over
    // the bytes: never wrongly no, and no where the code's bytes stand only inside other words,
    // even across the reader's blocks of a megabyte, or wherever the bytes are cut.
    void aFormerCodeIsNeverMissed_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("may");
        const QByteArray record = "L|EGLL|Heathrow|London|GB|LHR|51.4|-0.4|83||";
        const QByteArray pad = QByteArray(1 << 20, 'x') + "\n";
        QTest::newRow("the field's only code") << record + "||||||||||FVHA|\n" << true;
        QTest::newRow("the second of two") << record + "||||||||||QQQQ FVHA|\n" << true;
        QTest::newRow("the file's last bytes") << record + "||||||||||FVHA" << true;
        QTest::newRow("at the end of a block")
            << pad.left((1 << 20) - 5) + "|FVHA|\n" + record << true;
        QTest::newRow("inside other words only") << record + "|xFVHA|FVHAx|||\n" << false;
        QTest::newRow("nowhere") << record + "\n" << false;
    }
    void aFormerCodeIsNeverMissed() {
        QFETCH(QByteArray, content);
        QFETCH(bool, may);
        fixtures::DataFolder folder;
        const auto path = folder.write(content);
        icao::FormerCodeWatch watch(U"FVHA");
        const auto answer =
            icao::answerCode(U"FVHA", icao::KeyEntry::Typed, path,
                             [&watch](std::string_view bytes) { watch.see(bytes); });
        QVERIFY(answer && answer->outcome == icao::Outcome::NotFound);
        QCOMPARE(watch.mayGiveFormerCode(), may);
        // The same bytes in runs of every length up to a code's and more, so that the code is
        // cut at every place.
        const std::string_view bytes(content.constData(), static_cast<std::size_t>(content.size()));
        for (std::size_t run = 1; run <= 7 && bytes.size() < 4096; ++run) {
            icao::FormerCodeWatch pieces(U"FVHA");
            for (std::size_t at = 0; at < bytes.size(); at += run) {
                pieces.see(bytes.substr(at, run));
            }
            QCOMPARE(pieces.mayGiveFormerCode(), may);
        }
        if (!may) {
            QVERIFY(!icao::airportsByCode({U"FVHA"}, path)->front());
        }
    }

    // Ed Williams' Aviation Formulary works LAX to JFK: 0.623585 radians of arc, initial
    // course 66 degrees. The others follow from the sphere itself: two degrees of arc along
    // the equator across the antimeridian, and over the north pole.
    void distanceAndCourseAgreeWithKnownFigures_data() {
        QTest::addColumn<QList<double>>("fromTo");
        QTest::addColumn<double>("km");
        QTest::addColumn<double>("course");
        QTest::newRow("LAX to JFK") << QList<double>{33.95, -118.4, 40.633333, -73.783333}
                                    << 0.623585 * icao::kEarthRadiusKm << 65.89;
        QTest::newRow("across the antimeridian")
            << QList<double>{0, 179, 0, -179} << 2 * icao::kEarthRadiusKm * M_PI / 180 << 90.0;
        QTest::newRow("over the pole")
            << QList<double>{89, 10, 89, -170} << 2 * icao::kEarthRadiusKm * M_PI / 180 << 0.0;
    }
    void distanceAndCourseAgreeWithKnownFigures() {
        QFETCH(QList<double>, fromTo);
        QFETCH(double, km);
        QFETCH(double, course);
        const icao::Place from{fromTo[0], fromTo[1]};
        const icao::Place to{fromTo[2], fromTo[3]};
        QVERIFY2(std::abs(icao::distanceKm(from, to) - km) < 0.5,
                 qPrintable(QString::number(icao::distanceKm(from, to))));
        const double courseError = std::abs(icao::initialCourse(from, to) - course);
        QVERIFY2(std::min(courseError, 360 - courseError) < 0.05,
                 qPrintable(QString::number(icao::initialCourse(from, to))));
    }

    void routeLegsAndUnknownCodes() {
        fixtures::DataFolder folder;
        const auto path = folder.write("L|KLAX|Los Angeles|||LAX|33.95|-118.4|0||\n"
                                       "L|KJFK|New York|||JFK|40.633333|-73.783333|0||\n"
                                       "S|XNOP|No Place|||||||\n");
        const auto plan = [](const std::vector<icao::Text>& codes, const auto& source) {
            return icao::routeThrough(*icao::readCodes(codes, source));
        };
        const auto route = plan({U"KLAX", U"KJFK", U"KLAX"}, path);
        QCOMPARE(route.legs.size(), std::size_t(2));
        QCOMPARE(route.legs[1].to.code, std::string("KLAX"));
        QVERIFY(std::abs(route.totalKm - 2 * 0.623585 * icao::kEarthRadiusKm) < 1);
        QCOMPARE(plan({U"KLAX", U"XNOP", U"ZZZZ"}, path).unknown, (std::vector<std::size_t>{1, 2}));
        // The records held in memory plan the same route.
        const auto index = icao::AirportIndex::load(path);
        QVERIFY(index);
        QCOMPARE(plan({U"KLAX", U"KJFK", U"KLAX"}, *index).totalKm, route.totalKm);
    }

    // Random airfields, some without coordinates, held against sorting them all: nearest
    // first, file order among equals, only the kinds asked for, the origin's own line left out;
    // and the records held in memory give what the file gives, codes looked up included, also
    // where an item of no fields names a code before its record does.
    void nearestAgreesWithSortingThemAll() {
        std::mt19937 random(3);
        std::uniform_real_distribution<double> latitude(-90, 90);
        std::uniform_real_distribution<double> longitude(-180, 180);
        QByteArray content;
        std::vector<std::pair<icao::Place, char>> airfields;
        for (int line = 1; line <= 400; ++line) {
            const char kind = "LMSWHBC"[random() % 7];
            // Neighbours that share a place, and records without one.
            const QByteArray north = QByteArray::number(latitude(random), 'f', 6);
            const QByteArray east = QByteArray::number(longitude(random), 'f', 6);
            const icao::Place place = line % 50 == 0
                                          ? airfields.back().first
                                          : icao::Place{north.toDouble(), east.toDouble()};
            const bool placed = line % 37 != 0;
            const QByteArray code = "A" + QByteArray::number(line);
            content += (line % 23 == 0 ? "zz" + code + "," : QByteArray()) + QByteArray(1, kind) +
                       "|" + code + "|Field||||" +
                       (placed ? QByteArray::number(place.latitude, 'f', 6) + "|" +
                                     QByteArray::number(place.longitude, 'f', 6)
                               : QByteArray("|")) +
                       "|0||" + (line % 11 == 0 ? ",,a" : "") + "\n";
            airfields.emplace_back(placed ? place : icao::Place{1000, 0}, kind);
        }
        fixtures::DataFolder folder;
        const auto path = folder.write(content);
        const auto index = icao::AirportIndex::load(path);
        QVERIFY(index);
        for (std::size_t line = 1; line <= airfields.size() + 1; ++line) {
            const icao::Text code = U"A" + icao::decodeText(std::to_string(line));
            const auto fromFile = icao::airportsByCode({code}, path)->front();
            const auto inMemory = icao::airportsByCode({code}, *index)->front();
            QCOMPARE(inMemory.has_value(), fromFile.has_value());
            if (fromFile) {
                QCOMPARE(inMemory->line, fromFile->line);
                QCOMPARE(inMemory->name, fromFile->name);
                QCOMPARE(inMemory->place().has_value(), line % 23 != 0 && line % 37 != 0);
            }
        }
        for (int round = 0; round < 50; ++round) {
            const icao::Place origin{latitude(random), longitude(random)};
            const std::size_t limit = 1 + random() % 30;
            const std::string kinds = round % 3 == 0 ? "" : std::string(1, "LMSWHBC"[round % 7]);
            const std::size_t originLine = 1 + random() % airfields.size();
            std::vector<std::pair<double, std::size_t>> expected;
            for (std::size_t i = 0; i < airfields.size(); ++i) {
                const auto& [place, kind] = airfields[i];
                if (place.latitude <= 90 && i + 1 != originLine &&
                    (kinds.empty() || kinds.front() == kind)) {
                    expected.emplace_back(icao::distanceKm(origin, place), i + 1);
                }
            }
            std::sort(expected.begin(), expected.end());
            expected.resize(std::min(expected.size(), limit));
            icao::AirfieldFilter wanted;
            for (const char marker : kinds) {
                wanted.kinds.set(static_cast<std::size_t>(icao::kindOfMarker(marker)));
            }
            const auto nearest = icao::nearestAirports({origin, limit, wanted, originLine}, path);
            QVERIFY(nearest);
            std::vector<std::pair<double, std::size_t>> actual;
            for (const auto& airport : *nearest) {
                actual.emplace_back(airport.distanceKm, airport.item.line);
            }
            QCOMPARE(actual, expected);
            const auto kept = icao::nearestAirports({origin, limit, wanted, originLine}, *index);
            QCOMPARE(kept->size(), nearest->size());
            for (std::size_t i = 0; i < kept->size(); ++i) {
                QCOMPARE((*kept)[i].item.line, (*nearest)[i].item.line);
                QCOMPARE((*kept)[i].bearing, (*nearest)[i].bearing);
            }
        }
    }
};

QTEST_GUILESS_MAIN(PlacesTest)
#include "tst_places.moc"
