// SPDX-License-Identifier: MIT
#include "search/find.h"
#include "search/name_spellings.h"
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
                              "S|LLLL|Videira Field|Videira|XX|VIA|20|20|0||10|\n"
                              // A small field whose code is a large airfield's town.
                              "S|MMMM|Winona Field|Winona|US||30|30|0||100|\n"
                              "L|NNNN|Kai Airport|Kailua-Mmmm|US||31|31|0||900|\n"
                              "S|OOOA|Oscar Strip|Oscar|US|KAI|32|32|0||10|\n"
                              // One town's name in two states, and in two places far apart.
                              "L|TTTA|Tango Airport|Tango|US||40|-80|0||800|United States|||||"
                              "Ohio|\n"
                              "M|TTTB|Tango Field|Tango|US||32|-85|0||700|United States|||||"
                              "Georgia|\n"
                              "L|UUUA|Uniform Airport|Uniform|AA||-40|170|0||900|\n"
                              "M|UUUB|Uniform Field|Uniform|BB||10.5|10.5|0||500|\n"
                              // A city's airports by its metropolitan code.
                              "L|LFPG|Roissy Field|Roissy|FR||49|2.5|0||900|\n"
                              "L|LFPO|Orly Field|Orly|FR||48.7|2.4|0||800|\n"
                              // A name with an apostrophe, and one that holds the words typed.
                              "L|VVVA|Victor's Field|St. Victor's|ZZ||50|50|0||900|\n"
                              "S|VVVB|Port St Victors Strip|Port St Victors|ZZ||51|51|0||10|\n"
                              "M|SSSA|Saint Romeo Field|Saint Romeo|ZZ||52|52|0||500|\n";

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

// A flight plan's reading: the stops as stopsOf gives them, a navaid with its latitude, and the
// words passed over in brackets where they stand.
QString planOf(const icao::RouteReading& reading) {
    QStringList words;
    const auto skipped = [&words](const std::vector<icao::SkippedWord>& passed) {
        QStringList passedWords;
        for (const icao::SkippedWord& word : passed) {
            passedWords << QString::fromStdString(word.word);
        }
        if (!passedWords.isEmpty()) {
            words << "[" + passedWords.join(' ') + "]";
        }
    };
    for (const icao::RouteStop& stop : reading.stops) {
        skipped(stop.skippedBefore);
        QString word = stop.airport ? QString::fromStdString(stop.airport->code)
                                    : "?" + QString::fromStdString(stop.given);
        if (icao::kindOf(stop.read) == icao::StopKind::Navaid && stop.airport) {
            word += QString("@%1").arg(stop.airport->place()->latitude);
        }
        words << word;
    }
    skipped(reading.skippedAfter);
    return words.join(' ');
}

// Two aids of one ident far apart, and one of another.
std::vector<icao::Navaid> navaidsOf(const std::string& ident) {
    std::vector<icao::Navaid> aids;
    if (ident == "ABC") {
        aids.push_back({1, "ABC", "Near Alpha", "VOR", "", {10.5, 10.5}, {}, {}, "", "XX", ""});
        aids.push_back({2, "ABC", "Near Kilo", "NDB", "", {19.5, 19.5}, {}, {}, "", "XX", ""});
    } else if (ident == "XY") {
        aids.push_back({3, "XY", "Xray", "NDB", "", {12.5, 12.5}, {}, {}, "", "XX", ""});
    }
    return aids;
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
        // A word in small letters that is a small field's code and a large airfield's town is
        // the town's; in capitals, the code.
        QTest::newRow("a town over a code") << "mmmm to AAAA"
                                            << "NNNN AAAA";
        QTest::newRow("a code in capitals") << "MMMM to AAAA"
                                            << "MMMM AAAA";
        QTest::newRow("a name over a smaller field's IATA code") << "kai, AAAA"
                                                                 << "NNNN AAAA";
        QTest::newRow("an IATA code in capitals") << "KAI, AAAA"
                                                  << "OOOA AAAA";
        // A state, province or country after a comma chooses among the towns of a name.
        QTest::newRow("a state's postal code") << "Tango, GA to AAAA"
                                               << "TTTB AAAA";
        QTest::newRow("a state's name") << "tango, ohio to AAAA"
                                        << "TTTA AAAA";
        QTest::newRow("a country's name") << "Tango, United States, AAAA"
                                          << "TTTA AAAA";
        QTest::newRow("no qualifier: two stops") << "Tango, Delta"
                                                 << "TTTA DDDD";
        // The town of a name near the stops beside it, where it is plainly nearer.
        QTest::newRow("the nearer of two towns") << "uniform to AAAA"
                                                 << "UUUB AAAA";
        QTest::newRow("the first where none is nearer") << "uniform"
                                                        << "UUUA";
        QTest::newRow("a metropolitan code") << "PAR AAAA"
                                             << "LFPG AAAA";
        QTest::newRow("an apostrophe left out") << "st victors to AAAA"
                                                << "VVVA AAAA";
        QTest::newRow("a short form written out") << "St. Romeo to AAAA"
                                                  << "SSSA AAAA";
    }
    void stopsAsTyped() {
        QFETCH(QString, text);
        QFETCH(QString, stops);
        QCOMPARE(stopsOf(read(text)), stops);
    }

    void wordsOfAFlightPlan_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("meaning");
        const std::pair<const char*, icao::PlanWord> words[] = {
            {"DCT", icao::PlanWord::Direct},
            {"dct", icao::PlanWord::Direct},
            {"N0450F350", icao::PlanWord::SpeedAndLevel},
            {"M082F390", icao::PlanWord::SpeedAndLevel},
            {"K0830S1100", icao::PlanWord::SpeedAndLevel},
            {"N0120A045", icao::PlanWord::SpeedAndLevel},
            {"N0120VFR", icao::PlanWord::SpeedAndLevel},
            {"FL350", icao::PlanWord::SpeedAndLevel},
            {"VFR", icao::PlanWord::FlightRules},
            {"BPK7F", icao::PlanWord::Procedure},
            {"LAM3A", icao::PlanWord::Procedure},
            {"KONAN1A", icao::PlanWord::Procedure},
            {"CASTA2", icao::PlanWord::Procedure},
            {"UN601", icao::PlanWord::Airway},
            {"L9", icao::PlanWord::Airway},
            {"Q41", icao::PlanWord::Airway},
            {"T420", icao::PlanWord::Airway},
            {"UL9", icao::PlanWord::Airway},
            {"A1Y", icao::PlanWord::Airway},
            {"5030N00100W", icao::PlanWord::Coordinates},
            {"50N010W", icao::PlanWord::Coordinates},
            {"503015N0010030W", icao::PlanWord::Coordinates},
            {"ABCDE", icao::PlanWord::FiveLetters},
            // Nearly so: digits too few or too many, minutes past 59, a latitude past 90,
            // degrees of one and minutes of the other, small letters.
            {"N045F350", icao::PlanWord::Other},
            {"N0450F35", icao::PlanWord::Other},
            {"UN6011", icao::PlanWord::Other},
            {"5060N00100W", icao::PlanWord::Other},
            {"91N010W", icao::PlanWord::Other},
            {"5030N010W", icao::PlanWord::Other},
            {"503060N0010030W", icao::PlanWord::Other},
            {"50301N0010030W", icao::PlanWord::Other},
            {"abcde", icao::PlanWord::Other},
            {"EGLL", icao::PlanWord::Other},
            {"BPK", icao::PlanWord::Other},
        };
        for (const auto& [word, meaning] : words) {
            QTest::newRow(word) << word << static_cast<int>(meaning);
        }
    }
    void wordsOfAFlightPlan() {
        QFETCH(QString, word);
        QFETCH(int, meaning);
        QCOMPARE(static_cast<int>(icao::planWordOf(word.toStdString())), meaning);
    }

    void coordinatesOfAFlightPlan() {
        const auto south = icao::placeOfPlanCoordinates("5030S17930E");
        QVERIFY(south);
        QCOMPARE(south->latitude, -50.5);
        QCOMPARE(south->longitude, 179.5);
        const auto west = icao::placeOfPlanCoordinates("00N180W");
        QVERIFY(west);
        QCOMPARE(west->longitude, -180.0);
        QVERIFY(!icao::placeOfPlanCoordinates("00N181W"));
        // To the second, as a plan file's point is written.
        const auto seconds = icao::placeOfPlanCoordinates("513045S0001530W");
        QVERIFY(seconds);
        QCOMPARE(seconds->latitude, -(51 + 30 / 60.0 + 45 / 3600.0));
        QCOMPARE(seconds->longitude, -(15 / 60.0 + 30 / 3600.0));
    }

    // A flight plan's route: its words of no stop passed over and told, its navaids the nearest
    // of their ident, its coordinates points; outside a flight plan an ident is no navaid.
    void flightPlans_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plan");
        QTest::newRow("airway and speed passed over")
            << "AAAA N0450F350 DCT ABC UN601 BBBB"
            << "AAAA [N0450F350 DCT] ABC@10.5 [UN601] BBBB";
        QTest::newRow("the aid nearest the stop before") << "KKKK DCT ABC DCT AAAA"
                                                         << "KKKK [DCT] ABC@19.5 [DCT] AAAA";
        QTest::newRow("a first aid nearest the stop after") << "ABC DCT KKKK"
                                                            << "ABC@19.5 [DCT] KKKK";
        QTest::newRow("aids in a row") << "AAAA DCT ABC XY KKKK"
                                       << "AAAA [DCT] ABC@10.5 XY@12.5 KKKK";
        QTest::newRow("coordinates, a procedure, a fix, flight rules")
            << "AAAA BPK7F 10N011E ABCDE 1030N01100E VFR BBBB"
            << "AAAA [BPK7F] 10N011E [ABCDE] 1030N01100E [VFR] BBBB";
        QTest::newRow("passed over at the end") << "AAAA DCT BBBB LAM3A"
                                                << "AAAA [DCT] BBBB [LAM3A]";
        QTest::newRow("names still read") << "alpha international DCT ABC DCT delta"
                                          << "BBBB [DCT] ABC@10.5 [DCT] DDDD";
        QTest::newRow("no flight plan: an ident is no navaid, five capitals no fix")
            << "AAAA XY ALPHA, BBBB"
            << "AAAA ?XY BBBB BBBB";
    }
    void flightPlans() {
        QFETCH(QString, text);
        QFETCH(QString, plan);
        icao::NameFinder names = icao::namesIn(*index_);
        names.navaids = navaidsOf;
        const auto reading = icao::readRoute(text.toStdString(), folder_.dataFile(), names);
        QCOMPARE(planOf(*reading), plan);
        const icao::Route route = icao::routeThrough(*reading);
        for (std::size_t i = 0; i < route.legs.size(); ++i) {
            QCOMPARE(route.legs[i].fromKind, icao::kindOf(reading->stops[i].read));
            QCOMPARE(route.legs[i].toKind, icao::kindOf(reading->stops[i + 1].read));
        }
    }

    // The spellings a name may have in the data beyond letter case and accents.
    void otherSpellingsOfAName() {
        using Spellings = std::vector<std::string>;
        QCOMPARE(icao::otherSpellings("st johns"),
                 (Spellings{"st john's", "saint johns", "saint john's"}));
        QCOMPARE(icao::otherSpellings("Mt. Hood"), (Spellings{"mount Hood"}));
        QCOMPARE(icao::otherSpellings("paris"), (Spellings{"pari's"}));
        // No spelling where no word has one: a short "s" word, a word ending in a double s.
        QCOMPARE(icao::otherSpellings("heathrow"), Spellings{});
        QCOMPARE(icao::otherSpellings("us"), Spellings{});
        QCOMPARE(icao::otherSpellings("swiss"), Spellings{});
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
