// SPDX-License-Identifier: MIT
#include "records/navaid.h"
#include "search/navaids.h"
#include "support/fixtures.h"

#include <QTest>
#include <fstream>

namespace {

// Aids as navaids.txt holds them: one ident in two countries, an NDB whose frequency the data
// does not know, and lines no aid can be read from.
const QByteArray kNavaids =
    "LON|Londrina|NDB|365|-23.3277|-51.1358|1867|-17.189|SBLO|BR||\n"
    "LON|London|VOR-DME|113.60|51.487202|-0.466667|110|-2.243|EGLL|GB|083X|\n"
    "LOZ|London|VORTAC|116.10|37.0867|-84.0767|1210|-4|KLOZ|US|108X|\n"
    "ELV|East London|VORTAC|114.50|-33.03|27.83|||FAEL|ZA||\n"
    "1B|Sable Island|NDB||43.9306|-60.0229|||||CA||\n"
    "CPT|Compton|VOR-DME|114.35|51.4917|-1.2197|498|1e400|||\n"
    "|No ident|NDB|300|10|10|||||\n"
    "BAD|No place|NDB|300|191|10|||||\n"
    "ODD|Ödön|NDB|300|47|19|99999||||\n";

std::vector<icao::Navaid> navaids() {
    fixtures::DataFolder folder;
    const auto file = folder.path() / icao::kNavaidsFileName;
    std::ofstream(file, std::ios::binary).write(kNavaids.constData(), kNavaids.size());
    return *icao::readNavaids(file);
}

QStringList identsAndNames(const std::vector<icao::Navaid>& found) {
    QStringList list;
    for (const icao::Navaid& navaid : found) {
        list << QString::fromStdString(navaid.ident + " " + navaid.name);
    }
    return list;
}

} // namespace

class NavaidsTest : public QObject {
    Q_OBJECT

  private slots:
    void linesAreReadFieldByField() {
        const auto all = navaids();
        QCOMPARE(all.size(), std::size_t(7));
        const icao::Navaid& london = all[1];
        QCOMPARE(london.line, std::size_t(2));
        QCOMPARE(london.type, std::string("VOR-DME"));
        QCOMPARE(london.place.latitude, 51.487202);
        QCOMPARE(london.elevationFt, std::optional(110));
        QCOMPARE(london.variation, std::optional(-2.243));
        QCOMPARE(london.airfield, std::string("EGLL"));
        QCOMPARE(london.dmeChannel, std::string("083X"));
        QCOMPARE(icao::frequencyWords(london), std::string("113.60 MHz"));
        QCOMPARE(icao::frequencyWords(all[0]), std::string("365 kHz"));
        // What the data does not know, or cannot be, is none.
        QCOMPARE(icao::frequencyWords(all[4]), std::string());
        QVERIFY(!all[5].variation);
        QCOMPARE(all[6].name, std::string("Ödön"));
        QVERIFY(!all[6].elevationFt);
    }

    void aMissingFileIsNamedWithWhatNeedsIt() {
        fixtures::DataFolder folder;
        const auto file = icao::navaidsFileBeside(folder.dataFile());
        QCOMPARE(file, folder.path() / "navaids.txt");
        const auto navaids = icao::readNavaids(file);
        QVERIFY(!navaids);
        QCOMPARE(navaids.error().path, file);
        QVERIFY(navaids.error().reason.ends_with("navaid answers read navaids.txt beside the "
                                                 "data file"));
    }

    void anIdentNamesAidsInManyCountries() {
        QCOMPARE(identsAndNames(icao::navaidsWithIdent(navaids(), fixtures::text("lon"))),
                 QStringList({"LON Londrina", "LON London"}));
        QVERIFY(icao::navaidsWithIdent(navaids(), fixtures::text("LO")).empty());
    }

    void findRanksIdentsThenNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("idents that begin with it, then names that hold it")
            << "lo" << QStringList({"LON Londrina", "LON London", "LOZ London", "ELV East London"});
        QTest::newRow("an ident, then a name that begins with it, then one that holds it")
            << "lon"
            << QStringList({"LON Londrina", "LON London", "LOZ London", "ELV East London"});
        QTest::newRow("a whole name before a name that holds it")
            << "london" << QStringList({"LON London", "LOZ London", "ELV East London"});
        QTest::newRow("accents ignored") << "odon" << QStringList({"ODD Ödön"});
        QTest::newRow("nothing") << "zzz" << QStringList();
        QTest::newRow("no text finds nothing") << "" << QStringList();
    }
    void findRanksIdentsThenNames() {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        QCOMPARE(identsAndNames(icao::findNavaids(navaids(), fixtures::text(text), 10)), found);
        QCOMPARE(icao::findNavaids(navaids(), fixtures::text("london"), 1).size(), std::size_t(1));
    }

    void nearestFirstWithinReach() {
        const icao::Place heathrow{51.470748, -0.459909};
        const auto nearest = icao::nearestNavaids(navaids(), heathrow, 2);
        QCOMPARE(nearest.size(), std::size_t(2));
        QCOMPARE(nearest[0].navaid.name, std::string("London"));
        QCOMPARE(nearest[1].navaid.name, std::string("Compton"));
        QVERIFY(nearest[0].distanceKm < 2 && nearest[0].distanceKm > 1.8);
        QVERIFY(std::abs(nearest[0].course - 345.7) < 0.5);
        const auto within = icao::nearestNavaids(navaids(), heathrow, 100, 10.0);
        QCOMPARE(within.size(), std::size_t(1));
        QVERIFY(icao::nearestNavaids({}, heathrow, 5).empty());
    }
};

QTEST_GUILESS_MAIN(NavaidsTest)
#include "tst_navaids.moc"
