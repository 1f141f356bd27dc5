// SPDX-License-Identifier: MIT
#include "search/find.h"
#include "search/route_reading.h"
#include "support/fixtures.h"

#include <QTest>

namespace {

const QByteArray kAirfields = "L|AAAA|Alpha Beta Field|Gamma|XX|ABF|10|10|0||700|\n"
                              "L|BBBB|Alpha International|Alpha|XX|ALP|11|11|0||800|\n"
                              "M|CCCC|Beta Regional|Beta|XX|BET|12|12|0||500|\n"
                              "S|DDDD|Delta Strip|Delta|XX||13|13|0||10|\n"
                              "S|EEEE|Beta Alpha Strip|Epsilon|XX||14|14|0||10|\n"
                              "L|FFFF|Foxtrot Airport|Foxtrot|XX|FOX|15|15|0||900||||||||FFOX|\n"
                              "S|GGGG|No Place|Gulf|XX|||||||\n"
                              "S|HHHH|Hotel Lima|Hx|XX||16|16|0||10|\n"
                              "L|IIII|Lima Kilo|Ix|XX||17|17|0||900|\n"
                              "M|JJJJ|Hotel Juliett|Jx|XX||18|18|0||500|\n"
                              "M|KKKK|Kilo Mike|Kx|XX||19|19|0||500|\n"
                              "S|LLLL|Videira Field|Videira|XX|VIA|20|20|0||10|\n";

// The stops read, each its code, or "?words" for one unread; then "…" and the words pending.
QString stopsOf(const icao::RouteReading& reading) {
    QStringList stops;
    for (const icao::RouteStop& stop : reading.stops) {
        stops << (stop.airport ? QString::fromStdString(stop.airport->code)
                               : "?" + QString::fromStdString(stop.given));
    }
    if (!reading.pending.empty()) {
        stops << "…" + QString::fromStdString(reading.pending);
    }
    return stops.join(' ');
}

} // namespace

class RouteReadingTest : public QObject {
    Q_OBJECT

  private:
    fixtures::DataFolder folder_;
    std::optional<icao::AirportIndex> index_;

    icao::RouteReading read(const QString& text, bool lastWordDone = true) {
        // The codes from the file streamed, the names from the records in memory, as icao
        // dist asks them.
        return *icao::readRoute(text.toStdString(), folder_.dataFile(), icao::namesIn(*index_),
                                lastWordDone);
    }

  private slots:
    void initTestCase() {
        index_.emplace(std::move(*icao::AirportIndex::load(folder_.write(kAirfields))));
    }

    void stopsAsTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stops");
        for (const char* text :
             {"AAAA BBBB", "aaaa,bbbb", "AAAA-BBBB", "AAAA → BBBB", "AAAA to BBBB", "AAAA via BBBB",
              "AAAA; BBBB", "AAAA>BBBB", " AAAA \t– BBBB ,"}) {
            QTest::newRow(text) << text << "AAAA BBBB";
        }
        // VIA is Videira's code where it is written as one among codes, or joins nothing.
        QTest::newRow("VIA among codes") << "AAAA VIA BBBB"
                                         << "AAAA LLLL BBBB";
        QTest::newRow("VIA first") << "VIA BBBB"
                                   << "LLLL BBBB";
        QTest::newRow("VIA last") << "AAAA, VIA"
                                  << "AAAA LLLL";
        QTest::newRow("VIA among names") << "alpha VIA beta"
                                         << "BBBB AAAA";
        // A byte-order mark or a bidirectional control is no part of the word it touches.
        QTest::newRow("marks that steer the layout")
            << QString::fromUtf8("\uFEFFAAAA \u202EBBBB\u202C") << "AAAA BBBB";
        // As flight plans and travellers write them: "direct", "from", codes apart by slashes.
        QTest::newRow("DCT joins two points") << "AAAA DCT BBBB dct CCCC"
                                              << "AAAA BBBB CCCC";
        QTest::newRow("from") << "from alpha to beta"
                              << "BBBB AAAA";
        QTest::newRow("slashes between codes") << "AAAA/BBBB/abf"
                                               << "AAAA BBBB AAAA";
        // "via" is flown through, wherever it stands.
        QTest::newRow("to, then via") << "AAAA to BBBB via CCCC"
                                      << "AAAA CCCC BBBB";
        QTest::newRow("via, then to") << "AAAA via CCCC to BBBB"
                                      << "AAAA CCCC BBBB";
        QTest::newRow("two vias in their order") << "AAAA to BBBB via CCCC via DDDD"
                                                 << "AAAA CCCC DDDD BBBB";
        QTest::newRow("names") << "delta to foxtrot via beta regional"
                               << "DDDD CCCC FFFF";
        // A name and a code of one airfield side by side are one stop.
        QTest::newRow("a name and its code") << "foxtrot FOX to AAAA"
                                             << "FFFF AAAA";
        QTest::newRow("a code and its name") << "ALP alpha international, BBBB"
                                             << "BBBB BBBB";
        QTest::newRow("IATA codes, a former code") << "abf ALP ffox"
                                                   << "AAAA BBBB FFFF";
        // The fewest names that each read whole, the larger airfields where two splits tie.
        QTest::newRow("one name of two words") << "alpha beta"
                                               << "AAAA";
        QTest::newRow("a comma parts names") << "alpha, beta"
                                             << "BBBB AAAA";
        QTest::newRow("to parts names") << "alpha to beta"
                                        << "BBBB AAAA";
        QTest::newRow("names between codes") << "DDDD alpha beta delta FFFF"
                                             << "DDDD AAAA DDDD FFFF";
        QTest::newRow("the larger of two splits alike") << "hotel lima kilo"
                                                        << "JJJJ IIII";
        // A word no airfield has whole is unread, once for words side by side.
        QTest::newRow("unread words") << "AAAA zulu yankee BBBB"
                                      << "AAAA ?zulu yankee BBBB";
        QTest::newRow("a word's start is not a name") << "AAAA alph"
                                                      << "AAAA ?alph";
        QTest::newRow("a code's start is not a code") << "AAAA BBB"
                                                      << "AAAA ?BBB";
        QTest::newRow("nothing") << " , to "
                                 << "";
    }
    void stopsAsTyped() {
        QFETCH(QString, text);
        QFETCH(QString, stops);
        QCOMPARE(stopsOf(read(text)), stops);
    }

    // While the last word may still be typed, a last stop that reads as nothing waits.
    void theWordBeingTypedWaits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stops");
        QTest::newRow("half a code") << "AAAA BB"
                                     << "AAAA …BB";
        QTest::newRow("half a name") << "AAAA del"
                                     << "AAAA …del";
        QTest::newRow("after a word unread") << "AAAA zulu yan"
                                             << "AAAA ?zulu …yan";
        QTest::newRow("a code typed whole") << "AAAA BBBB"
                                            << "AAAA BBBB";
        QTest::newRow("a name typed whole") << "AAAA delta"
                                            << "AAAA DDDD";
        QTest::newRow("a space after it") << "AAAA del "
                                          << "AAAA ?del";
        QTest::newRow("a comma after it") << "AAAA del,"
                                          << "AAAA ?del";
    }
    void theWordBeingTypedWaits() {
        QFETCH(QString, text);
        QFETCH(QString, stops);
        QCOMPARE(stopsOf(read(text, false)), stops);
    }

    // How each stop was read, and what else it may mean.
    void eachStopSaysHowItWasRead() {
        const auto reading = read("AAAA ffox alp, alpha zulu");
        QCOMPARE(reading.stops.size(), std::size_t(5));
        QCOMPARE(reading.words, std::size_t(5));
        QCOMPARE(icao::countRouteWords("AAAA, ffox to alp-alpha → zulu"), std::size_t(5));
        const icao::StopRead readAs[] = {icao::StopRead::IcaoCode, icao::StopRead::FormerCode,
                                         icao::StopRead::IataCode, icao::StopRead::Name,
                                         icao::StopRead::Unread};
        for (std::size_t i = 0; i < 5; ++i) {
            QCOMPARE(reading.stops[i].read, readAs[i]);
        }
        QCOMPARE(reading.stops[1].given, std::string("ffox"));
        // "alpha" is a whole word of three airfields: the larger, then the more prominent, is read,
        // the others offered.
        QCOMPARE(reading.stops[3].airport->code, std::string("BBBB"));
        QCOMPARE(reading.stops[3].candidates.size(), std::size_t(2));
        QVERIFY(reading.stops[4].candidates.empty());
        QCOMPARE(read("AAAA alph").stops[1].candidates.front().code, std::string("BBBB"));
    }

    // A pasted text of many stops unread weighs suggestions for the first few alone; a reading
    // no longer wanted stops before it searches another name.
    void aLongReadingCostsLittle() {
        const auto reading = read(QString("alph, ").repeated(12));
        QCOMPARE(reading.stops.size(), std::size_t(12));
        for (std::size_t i = 0; i < reading.stops.size(); ++i) {
            QCOMPARE(reading.stops[i].candidates.empty(), i >= icao::kStopsWithCandidates);
        }
        icao::NameFinder names = icao::namesIn(*index_);
        std::size_t asked = 0;
        names.abandoned = [&asked] { return ++asked > 1; };
        const auto abandoned =
            icao::readRoute("AAAA alpha beta delta foxtrot", folder_.dataFile(), names);
        QCOMPARE(stopsOf(*abandoned), QString("AAAA"));
    }

    // The route's legs; a stop unread, or one without coordinates, leaves it without any.
    void theLegsGoThroughTheStopsRead() {
        const auto route = icao::routeThrough(read("AAAA beta regional delta"));
        QCOMPARE(route.legs.size(), std::size_t(2));
        QCOMPARE(route.legs[1].from.code, std::string("CCCC"));
        QCOMPARE(route.legs[1].to.code, std::string("DDDD"));
        QVERIFY(route.totalKm > 0 && route.unknown.empty());
        QCOMPARE(icao::routeThrough(read("AAAA GGGG zulu")).unknown,
                 (std::vector<std::size_t>{1, 2}));
        QVERIFY(icao::routeThrough(read("AAAA GGGG zulu")).legs.empty());
    }
};

QTEST_GUILESS_MAIN(RouteReadingTest)
#include "tst_route_reading.moc"
