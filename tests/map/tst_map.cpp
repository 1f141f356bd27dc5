// SPDX-License-Identifier: MIT
#include "map/great_circle.h"
#include "map/land.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// A file of one section (coarse land) of one line through the given steps, in the form the
// script writes: "ICAOLAND", version, sections, kind, lines, points, zigzag steps.
Bytes outlines(const Bytes& afterMagic) {
    const std::string_view magic = "ICAOLAND";
    Bytes bytes(magic.begin(), magic.end());
    std::copy(afterMagic.begin(), afterMagic.end(), std::back_inserter(bytes));
    return bytes;
}

const Bytes kOneLine = {1, 1, 0, 1, 2, 0x80, 0x01, 2, 4, 6};

icao::Expected<icao::World> read(const Bytes& bytes) {
    return icao::readWorld(bytes, "outlines.bin");
}

} // namespace

class MapTest : public QObject {
    Q_OBJECT

  private slots:
    void aSmallFileReadsAsWritten() {
        const auto world = read(outlines(kOneLine));
        QVERIFY(world);
        QCOMPARE(world->coarseLand.size(), std::size_t{1});
        const icao::MapLine& line = world->coarseLand.front();
        QCOMPARE(line.size(), std::size_t{2});
        // 0x80 0x01 is 128, zigzag for 64 thousandths east, and 2 for 1 north; then 2 east and 3
        // north more.
        QCOMPARE(line[0].longitude, 0.064);
        QCOMPARE(line[0].latitude, 0.001);
        QCOMPARE(line[1].longitude, 0.066);
        QCOMPARE(line[1].latitude, 0.004);
        QVERIFY(!world->finestLand);
        // The same line as the finest land, a section of its own file.
        Bytes finest = kOneLine;
        finest[2] = 3;
        const auto closest = read(outlines(finest));
        QVERIFY(closest && closest->finestLand && closest->coarseLand.empty());
        QCOMPARE(closest->finestLand().front()[1].latitude, 0.004);
    }

    void malformedOutlinesAreErrorsThatSayWhy_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* name, const Bytes& bytes, const char* reason) {
            QTest::newRow(name) << QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()))
                                << QString(reason);
        };
        row("empty", {}, "not a file of land outlines");
        row("another file", {'<', 's', 'v', 'g'}, "not a file of land outlines");
        row("a later version", outlines({2, 1}), "a version");
        row("a section of no kind", outlines({1, 1, 7, 0}), "an unknown or repeated section");
        row("a section twice", outlines({1, 2, 0, 1, 1, 0, 0, 0, 1, 1, 0, 0}),
            "an unknown or repeated section");
        row("lines beyond the end", outlines({1, 1, 0, 0xFF, 0xFF, 0xFF, 0x7F}),
            "a count of lines beyond the end");
        row("points beyond the end", outlines({1, 1, 0, 1, 0xFF, 0xFF, 0x7F, 0, 0}),
            "a count of points beyond the end");
        row("a count of ten bytes",
            outlines({1, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01}),
            "a count of lines beyond the end");
        // 91 degrees north: 91,000 thousandths, zigzag 182,000.
        row("a point past the pole", outlines({1, 1, 0, 1, 1, 0, 0xF0, 0x8D, 0x0B}),
            "a point off the earth");
        Bytes trailing = outlines(kOneLine);
        trailing.push_back(0);
        row("bytes after the end", trailing, "bytes after the last section");
    }
    void malformedOutlinesAreErrorsThatSayWhy() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const auto world =
            read(Bytes(reinterpret_cast<const unsigned char*>(bytes.data()),
                       reinterpret_cast<const unsigned char*>(bytes.data()) + bytes.size()));
        QVERIFY(!world);
        const QString described = QString::fromStdString(world.error().describe());
        QVERIFY2(described.startsWith("outlines.bin: " + reason), qPrintable(described));
    }

    // However a file is cut short, the reader says so.
    void everyTruncationIsAnError() {
        const Bytes whole = outlines(kOneLine);
        for (std::size_t size = 0; size < whole.size(); ++size) {
            QVERIFY(!read(Bytes(whole.begin(), whole.begin() + static_cast<long>(size))));
        }
    }

    // The outlines built in: the land closes every ring, jumps across the map only around the
    // south pole, and spans the world; the borders are there, and the finer land has more
    // points than the coarse.
    void theBuiltInWorldIsWhole() {
        const icao::World& world = icao::builtInWorld();
        QVERIFY(!world.borders.empty());
        const auto pointsOf = [](const std::vector<icao::MapLine>& lines) {
            std::size_t points = 0;
            double west = 180, east = -180, south = 90, north = -90;
            for (const icao::MapLine& line : lines) {
                points += line.size();
                const auto& first = line.front();
                const auto& last = line.back();
                if (first.latitude != last.latitude || first.longitude != last.longitude) {
                    return std::size_t{0};
                }
                for (std::size_t i = 1; i < line.size(); ++i) {
                    // Only a ring around the pole may cross the whole map.
                    const bool jumps = std::abs(line[i].longitude - line[i - 1].longitude) > 180;
                    if (jumps && line[i].latitude > -60) {
                        return std::size_t{0};
                    }
                }
                for (const icao::Place& place : line) {
                    west = std::min(west, place.longitude);
                    east = std::max(east, place.longitude);
                    south = std::min(south, place.latitude);
                    north = std::max(north, place.latitude);
                }
            }
            const bool wholeWorld = west <= -179.9 && east >= 179.9 && south < -85 && north > 80;
            return wholeWorld ? points : std::size_t{0};
        };
        const std::size_t coarse = pointsOf(world.coarseLand);
        QVERIFY(coarse > 0);
        QVERIFY(pointsOf(world.fineLand) > 2 * coarse);
        QVERIFY(world.finestLand);
        QVERIFY(pointsOf(world.finestLand()) > 2 * pointsOf(world.fineLand));
    }

    // London to New York: the great circle bends north, past 50°N in its middle, in steps no
    // longer than asked, from one airfield exactly to the other.
    void aGreatCircleBendsTowardThePole() {
        const icao::Place egll{51.4706, -0.4619};
        const icao::Place kjfk{40.6398, -73.7789};
        const icao::MapLine line = icao::greatCirclePoints(egll, kjfk, 50);
        QVERIFY(line.size() > 100);
        QCOMPARE(line.front().latitude, egll.latitude);
        QCOMPARE(line.back().longitude, kjfk.longitude);
        const icao::Place middle = line[line.size() / 2];
        QVERIFY2(middle.latitude > 50, qPrintable(QString::number(middle.latitude)));
        for (std::size_t i = 1; i < line.size(); ++i) {
            QVERIFY(icao::distanceKm(line[i - 1], line[i]) <= 50.001);
        }
    }

    // Tokyo to Los Angeles crosses the Pacific: unwrapped, the longitudes run on east past
    // 180° without a jump, and the box fitted to it is centred on the Pacific, not Europe.
    void aRouteOverTheAntimeridianStaysWhole() {
        icao::MapLine line = icao::greatCirclePoints({35.5523, 139.7800}, {33.9425, -118.4081});
        icao::unwrapLongitudes(line);
        for (std::size_t i = 1; i < line.size(); ++i) {
            QVERIFY(std::abs(line[i].longitude - line[i - 1].longitude) < 5);
        }
        QVERIFY(std::abs(line.back().longitude - (360 - 118.4081)) < 1e-9);
        const icao::DegreeBox box = icao::fittedBox({line});
        QVERIFY(box.east - box.west < 180);
        QVERIFY2(box.centralMeridian() > 150 && box.centralMeridian() < 240,
                 qPrintable(QString::number(box.centralMeridian())));
    }

    // Between antipodes any great circle is shortest: the line goes over a pole, whole.
    void antipodesGoOverAPole() {
        const icao::MapLine line = icao::greatCirclePoints({10, 20}, {-10, -160}, 100);
        const auto highest =
            std::max_element(line.begin(), line.end(),
                             [](const auto& a, const auto& b) { return a.latitude < b.latitude; });
        QVERIFY(highest->latitude > 89);
        for (std::size_t i = 1; i < line.size(); ++i) {
            QVERIFY(icao::distanceKm(line[i - 1], line[i]) <= 100.001);
        }
    }

    void aBoxKeepsWithinThePolesAndShowsAPlaceAround() {
        const icao::DegreeBox single = icao::fittedBox({{{51.47, -0.46}}});
        QCOMPARE(single.west, -1.46);
        QCOMPARE(single.north, 52.47);
        const icao::DegreeBox polar = icao::fittedBox({{{89.5, 0}, {-89.5, 10}}});
        QCOMPARE(polar.north, 90.0);
        QCOMPARE(polar.south, -90.0);
        QCOMPARE(icao::fittedBox({}).west, -180.0);
    }
};

QTEST_MAIN(MapTest)
#include "tst_map.moc"
