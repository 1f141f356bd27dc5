// SPDX-License-Identifier: MIT
#include "search/chunk_pipeline.h"
#include "search/find.h"
#include "search/folding.h"
#include "support/find_oracle.h"
#include "support/fixtures.h"

#include <QTest>
#include <map>
#include <random>
#include <thread>

namespace {

const QByteArray kAirports = "H|EGLW|London Heliport|London|GB||51.47|-0.18|18||\n"
                             "L|EGLL|London Heathrow Airport|London|GB|LHR|51.47|-0.46|83|"
                             "LON / Londres|\n"
                             "M|EGLC|London City Airport|London|GB|LCY|\n"
                             "L|LSZH|Zürich Airport|Zurich|CH|ZRH|\n"
                             "M|LHRX|Test Field|Nowhere|XX||\n"
                             "M|EGAE|Londonderry Eglinton Airport|Derry|GB|LDY|\n"
                             "M|KNLX|Newlondon Strip|Newlondon|US||\n"
                             "M|EKRN|Bornholm Airport|Rønne|DK|RNN|\n"
                             "M|LSZR|St. Gallen Z\xFCrich-Altenrhein|Altenrhein|CH|ACH|\n"
                             "L|EDDM|Munich Airport|Munich|DE|MUC|48.35|11.79|1487|"
                             "Flughafen München Franz Josef Strauß|\n"
                             "S|EDBX|Gorlitz Airfield|Gorlitz|DE||\n"
                             "L|AADB|Alpha Airport|Alpha|XX|DBB|\n"
                             "M|AAMX|Alpha Medium Field|Alpha|XX||1|2|3||900|\n"
                             "L|AAPX|Alpha Prime Airport|Alpha|XX||1|2|3||40|\n"
                             "L|OMDB|Dubai International Airport|Dubai|AE|DXB|\n"
                             "L|FVRG|Harare Airport|Harare|ZW|HRE|-17.9|31.1|4887||10|||"
                             "Africa/Harare|05/23:15502:151::1:46/226:|atis:113.1|"
                             "Harare Metropolitan|HRX|FVHA|\n";

// Hits as CODE:RANK, ranks numbered from 0 (exact ICAO code) to 5 (substring), then
// suggestions as ~CODE.
QStringList describe(const icao::FindResult& result) {
    QStringList described;
    for (const auto& hit : result.hits) {
        described.append(QString::fromStdString(hit.item.record().code) + ":" +
                         QString::number(static_cast<int>(hit.rank)));
    }
    for (const auto& record : result.suggestions) {
        described.append("~" + QString::fromStdString(record.code));
    }
    return described;
}

// The hits better than word starts: those a find of strong hits alone gives.
// The hits by a code, every one as find gives them, then by every word whole up to the limit.
QStringList strongOnly(const QStringList& described, qsizetype limit) {
    QStringList strong;
    for (const QString& hit : described) {
        const QChar rank = hit.back();
        const bool byCode = rank <= QChar('0' + int(icao::FindRank::IataCode));
        const bool whole = rank == QChar('0' + int(icao::FindRank::WholeWords));
        if (!hit.startsWith('~') && (byCode || (whole && strong.size() < limit))) {
            strong.append(hit);
        }
    }
    return strong;
}

} // namespace

class FindTest : public QObject {
    Q_OBJECT

  private:
    fixtures::DataFolder folder_;
    const std::filesystem::path file_ = folder_.write(kAirports);

  private slots:
    void foldingIgnoresCaseAndAccents_data() {
        QTest::addColumn<QStringList>("textAndFolded");
        QTest::newRow("case and decomposed accents")
            << QStringList{"ZuRiCh Ålesund Çanakkale Iğdır", "zurich alesund canakkale igdir"};
        QTest::newRow("combining mark") << QStringList{QString("Cafe") + QChar(0x301), "cafe"};
        QTest::newRow("letters that do not decompose")
            << QStringList{"Straße ẞ Rønne Ø Łódź Æbeltoft Œuf Đakovo Ð Þórshöfn",
                           "strasse ss ronne o lodz aebeltoft oeuf dakovo d thorshofn"};
        QTest::newRow("beyond Latin keeps its letters") << QStringList{"Москва", "москва"};
    }
    void foldingIgnoresCaseAndAccents() {
        QFETCH(QStringList, textAndFolded);
        const QString text = textAndFolded[0];
        const QString folded = textAndFolded[1];
        icao::TextFolder folder;
        QCOMPARE(QString::fromStdString(folder.fold(fixtures::text(text))), folded);
        std::string viaBytes;
        QVERIFY(folder.foldUtf8(text.toStdString(), viaBytes));
        QCOMPARE(QString::fromStdString(viaBytes), folded);
    }

    // Both the scan of the file and the index in memory give these answers.
    void ranksBestFirstAndSuggests_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("hits");
        QTest::newRow("exact ICAO code") << "egll" << QStringList{"EGLL:0"};
        QTest::newRow("exact IATA code before ICAO prefix")
            << "LHR" << QStringList{"EGLL:1", "LHRX:2"};
        QTest::newRow("ICAO prefix, larger airfields first, then file order")
            << "EG" << QStringList{"EGLL:2", "EGLC:2", "EGAE:2", "EGLW:2"};
        QTest::newRow("whole words, larger airfields first, then word starts, then substrings")
            << "london" << QStringList{"EGLL:3", "EGLC:3", "EGLW:3", "EGAE:4", "KNLX:5"};
        QTest::newRow("of one kind the more prominent first, a kind before prominence")
            << "alpha" << QStringList{"AAPX:3", "AADB:3", "AAMX:3"};
        QTest::newRow("keywords count") << "münchen" << QStringList{"EDDM:3"};
        QTest::newRow("every word must match") << "london heathrow" << QStringList{"EGLL:3"};
        QTest::newRow("municipality words count") << "derry" << QStringList{"EGAE:3"};
        QTest::newRow("word starts") << "lond heath" << QStringList{"EGLL:4"};
        QTest::newRow("accents ignored, query side") << "ZÜRICH" << QStringList{"LSZH:3", "LSZR:3"};
        QTest::newRow("accents ignored, record side") << "zurich airport" << QStringList{"LSZH:3"};
        QTest::newRow("letter without decomposition") << "ronne" << QStringList{"EKRN:3"};
        QTest::newRow("substring in the country") << "dk" << QStringList{"EKRN:5"};
        QTest::newRow("blanks around and inside") << "  london   city " << QStringList{"EGLC:3"};
        QTest::newRow("code with one wrong letter")
            << "EGLX" << QStringList{"~EGLL", "~EGLC", "~EGLW"};
        QTest::newRow("swapped letters come before other edits, beside a substring hit")
            << "dbx" << QStringList{"EDBX:5", "~OMDB", "~AADB"};
        QTest::newRow("name word with a typo") << "heathroe" << QStringList{"~EGLL"};
        QTest::newRow("two typos in a long word") << "londnderr" << QStringList{"~EGAE"};
        QTest::newRow("accented typo") << "zürjch" << QStringList{"~LSZH", "~LSZR"};
        QTest::newRow("nothing near") << "qqqqqq" << QStringList{};
        QTest::newRow("a former code") << "fvha" << QStringList{"FVRG:3"};
        QTest::newRow("the region and local code") << "metropolitan hrx" << QStringList{"FVRG:3"};
        QTest::newRow("the runways and radio are not searched") << "15502 atis" << QStringList{};
    }
    void ranksBestFirstAndSuggests() {
        QFETCH(QString, text);
        QFETCH(QStringList, hits);
        const auto result =
            icao::findAirports(fixtures::text(text), icao::kDefaultFindLimit, file_);
        QVERIFY(result);
        QCOMPARE(describe(*result), hits);
        auto index = icao::AirportIndex::load(file_);
        QVERIFY(index);
        QCOMPARE(describe(index->find(fixtures::text(text), icao::kDefaultFindLimit)), hits);
    }

    void limitNeverCutsCodeHits_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("hits");
        const QByteArray same =
            "M|AAAA|One|X|XX|AAA|\nM|AAAB|Two|X|XX|AAA|\nM|AAAC|Three|X|XX|AAA|\n";
        QTest::newRow("IATA hits beyond the limit")
            << same << "aaa" << 1 << QStringList{"AAAA:1", "AAAB:1", "AAAC:1"};
        QTest::newRow("prefix hits cut after IATA hits")
            << QByteArray(same + "M|AAAD|Four|X|XX||\n") << "AAA" << 4
            << QStringList{"AAAA:1", "AAAB:1", "AAAC:1", "AAAD:2"};
        QTest::newRow("limit on other ranks")
            << kAirports << "london" << 2 << QStringList{"EGLL:3", "EGLC:3"};
    }
    void limitNeverCutsCodeHits() {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QStringList, hits);
        fixtures::DataFolder folder;
        const auto path = folder.write(content);
        const auto result = icao::findAirports(fixtures::text(text), limit, path);
        QVERIFY(result);
        QCOMPARE(describe(*result), hits);
    }

    // Hits and suggestions planted in different batches of a large file come back as one pass
    // over it gives them: best first, file order among equals, the code hit never cut.
    void largeFileKeepsFileOrder() {
        const std::map<int, QByteArray> planted = {
            {100, "M|PLA1|Quokka Field|Rottnest|AU|QKA|"},
            {9000, "M|PLA2|Little Quokka Strip|Perth|AU||"},
            {9001, "M|PLA3|Quokkx Point|Perth|AU||"},
            {17000, "M|PLA4|Quokka Downs|Perth|AU|QKA|"},
            {20000, "M|PLA5|Old Quokka Field|Perth|AU|QKA|"},
            {20001, "M|PLA6|Quakkx Creek|Perth|AU||"},
            {20002, "M|PLA7|Quokkz Bay|Perth|AU||"},
        };
        QByteArray content;
        for (int line = 1; line <= 3 * static_cast<int>(icao::kItemsPerChunk); ++line) {
            const auto found = planted.find(line);
            content += (found != planted.end()
                            ? found->second
                            : "M|" + QByteArray::number(line) + "|Filler Strip|Nowhere|XX||") +
                       "\n";
        }
        fixtures::DataFolder folder;
        const auto path = folder.write(content);
        auto index = icao::AirportIndex::load(path);
        QVERIFY(index);
        const auto answerOf = [&](const QString& text, std::size_t limit) {
            const auto result = icao::findAirports(fixtures::text(text), limit, path);
            const QStringList described = result ? describe(*result) : QStringList{"error"};
            [&] { QCOMPARE(describe(index->find(fixtures::text(text), limit)), described); }();
            return described;
        };
        QCOMPARE(answerOf("quokka", 10), (QStringList{"PLA1:3", "PLA2:3", "PLA4:3", "PLA5:3"}));
        QCOMPARE(answerOf("qka", 1), (QStringList{"PLA1:1", "PLA4:1", "PLA5:1"}));
        QCOMPARE(answerOf("pla", 2), (QStringList{"PLA1:2", "PLA2:2"}));
        // One edit from Quakkx and Quokkz, two from Quokka and Quokkx.
        QCOMPARE(answerOf("quakkz", 10), (QStringList{"~PLA6", "~PLA7", "~PLA1"}));
    }

    // Random files of near and far words, codes and accents, in chunks of every size: the scan
    // of the file and the index in memory both answer as the slow oracle does, for queries
    // that hit codes, words and substrings, fill the list or match nothing at all. A find that
    // counts every hit keeps the same ones, and counts as many as a find without a limit
    // shows, with a filter too. A find of strong hits alone keeps the oracle's strong hits.
    void bothEnginesAnswerAsTheOracle() {
        std::mt19937 random(29);
        const std::vector<QByteArray> words = {"quokka", "quokkz", "Quakka", "Zürich", "zurich",
                                               "QUOKKA", "rønne",  "Ronne",  "kaq",    "@home",
                                               "x",      "東京",   "7"};
        // One- and two-letter queries too, which the index rules out by words' first letters.
        const std::vector<QString> queries = {
            "quokka", "quokkz", "kka", "zurich",        "ronne q", "qk",  "Q",  "@home", "QKA",
            "x",      "r",      "x q", "quokka zurich", "zzzzzz",  "qkq", "東", "7",     "z"};
        for (int round = 0; round < 20; ++round) {
            QByteArray content;
            const int records = 1 + static_cast<int>(random() % 400);
            for (int line = 0; line < records; ++line) {
                const auto word = [&] { return words[random() % words.size()]; };
                const QByteArray code =
                    QByteArray("QK") + char('A' + random() % 3) + char('A' + random() % 3);
                content += QByteArray(1, "LMSHCX"[random() % 6]) + "|" + code + "|" + word() + " " +
                           word() + "|" + word() + "|XX|" + (random() % 4 ? "" : "QKA") +
                           "|1|2|3|" + word() + "|" + QByteArray::number(random() % 3) + "|" +
                           word() + "|" + word() + " / " + word() +
                           (random() % 2 ? "|Zone|09:1:1:" + word() + ":1:90:|atis:1|" + word() +
                                               "|" + word() + "|QK" + word() + "|"
                                         : "") +
                           (random() % 9 ? "\n" : ",");
            }
            fixtures::DataFolder folder;
            const auto path = folder.write(content);
            auto index = icao::AirportIndex::load(path);
            QVERIFY(index);
            for (const QString& query : queries) {
                const std::size_t limit = 1 + random() % 12;
                const QStringList expected =
                    describe(oracle::find(fixtures::text(query), limit, path));
                const auto scanned = icao::findAirports(fixtures::text(query), limit, path);
                QVERIFY(scanned);
                QCOMPARE(describe(*scanned), expected);
                QCOMPARE(describe(index->find(fixtures::text(query), limit)), expected);
                const auto every = oracle::find(fixtures::text(query), 100000, path);
                QCOMPARE(describe(index->findStrong(fixtures::text(query), limit)),
                         strongOnly(describe(every), static_cast<qsizetype>(limit)));
                const auto counted =
                    index->find(fixtures::text(query), limit, {}, icao::HitCount::Every);
                QCOMPARE(describe(counted), expected);
                QCOMPARE(counted.matched, std::optional(every.hits.size()));
                icao::AirfieldFilter large;
                large.kinds.set(static_cast<std::size_t>(icao::AirfieldKind::LargeAirport));
                QCOMPARE(
                    index->find(fixtures::text(query), limit, large, icao::HitCount::Every).matched,
                    std::optional(index->find(fixtures::text(query), 100000, large).hits.size()));
            }
        }
    }

    // A line that is not UTF-8 is read as Windows-1252 whole, also where the byte that makes it
    // so stands past the fields find searches (here in the runways): its name is "Ä±stanbul",
    // not "ıstanbul", to the index in memory as to the scan and the record shown.
    void aLineNotUtf8IsWindows1252Throughout() {
        fixtures::DataFolder folder;
        const auto path = folder.write("L|AAAA|\xc4\xb1stanbul Field|X|XX||1|2|3||5|||"
                                       "Europe/Istanbul|09:1:1:caf\xe9:1:90:|\n"
                                       "L|BBBB|Istanbul Airfield|\n");
        auto index = icao::AirportIndex::load(path);
        QVERIFY(index);
        const auto scanned = icao::findAirports(U"istanbul", 10, path);
        QVERIFY(scanned);
        QCOMPARE(describe(*scanned), QStringList{"BBBB:3"});
        QCOMPARE(describe(index->find(U"istanbul", 10)), QStringList{"BBBB:3"});
        QCOMPARE(describe(index->find(U"\u00e4\u00b1stanbul", 10)), QStringList{"AAAA:3"});
    }

    // What lies past the characters an item keeps is not searched: no find shows a record
    // for text its record does not hold.
    void findReadsWhatTheRecordKeeps() {
        fixtures::DataFolder folder;
        const QByteArray longName(static_cast<qsizetype>(icao::kMaxItemCharacters), 'x');
        const auto path = folder.write("L|AAAA|" + longName + " quokka|\nL|BBBB|Quokka Field|\n");
        auto index = icao::AirportIndex::load(path);
        QVERIFY(index);
        const auto scanned = icao::findAirports(U"quokka", 10, path);
        QVERIFY(scanned);
        QCOMPARE(describe(*scanned), QStringList{"BBBB:3"});
        QCOMPARE(describe(index->find(U"quokka", 10)), QStringList{"BBBB:3"});
    }

    // The finder's searches and its route's planner ask one index from two threads at once:
    // each answers as when asked alone (and the ThreadSanitizer build sees no race).
    void severalThreadsMayAskAtOnce() {
        auto index = icao::AirportIndex::load(file_);
        QVERIFY(index);
        const std::vector<icao::Text> queries = {U"london",  U"zurich", U"egll",    U"alpha",
                                                 U"munchen", U"dbb",    U"heathroe"};
        std::vector<QStringList> alone;
        for (const icao::Text& query : queries) {
            alone.push_back(describe(index->find(query, 5)) +
                            describe(index->findStrong(query, 5)));
        }
        const auto ask = [&](std::vector<QStringList>& answers) {
            for (int round = 0; round < 20; ++round) {
                for (const icao::Text& query : queries) {
                    answers.push_back(describe(index->find(query, 5)) +
                                      describe(index->findStrong(query, 5)));
                }
            }
        };
        std::vector<QStringList> first;
        std::vector<QStringList> second;
        std::thread other(ask, std::ref(second));
        ask(first);
        other.join();
        for (std::size_t i = 0; i < first.size(); ++i) {
            QCOMPARE(first[i], alone[i % queries.size()]);
            QCOMPARE(second[i], alone[i % queries.size()]);
        }
    }

    void unreadableFileIsAnError() {
        const auto result = icao::findAirports(U"x", 10, folder_.path() / "none");
        QVERIFY(!result);
    }
};

QTEST_GUILESS_MAIN(FindTest)
#include "tst_find.moc"
