// SPDX-License-Identifier: MIT
#include "sheet/airfield_sheet.h"

#include <QTest>
#include <algorithm>

namespace {

using namespace std::chrono;

// An airfield as the data file writes it: marker|CODE|name|municipality|country|iata|lat|lon|
// elevation|keywords|...|zone|runways|frequencies.
icao::AirportRecord recordOf(std::string_view item) {
    return icao::AirportRecord::fromItem(item, 1);
}

const icao::SheetEntry& entryOf(const std::vector<icao::SheetEntry>& sheet, std::string_view key) {
    const auto found =
        std::find_if(sheet.begin(), sheet.end(),
                     [key](const icao::SheetEntry& entry) { return entry.key == key; });
    if (found == sheet.end()) {
        qFatal("no entry %s", std::string(key).c_str());
    }
    return *found;
}

std::vector<icao::SheetEntry> sheetOf(const icao::AirportRecord& record, sys_days day,
                                      std::optional<std::vector<icao::NearbyNavaid>> navaids = {},
                                      icao::LengthUnit length = icao::LengthUnit::Foot) {
    icao::ZoneClock clock;
    const sys_seconds now = day + hours(12);
    return icao::airfieldSheet(record, icao::detailsOf(record, now, clock), navaids,
                               {length, {icao::DistanceUnit::NauticalMile}, day, now}, clock);
}

constexpr sys_days kMidsummer = sys_days(2026y / June / 21);

} // namespace

class AirfieldSheetTest : public QObject {
    Q_OBJECT

  private slots:
    // TSV writes the headings once and then each airfield's values beneath: every airfield,
    // however little its record tells, has the same keys in the same order.
    void everySheetHasTheHeadingsKeys_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("metres");
        QTest::newRow("whole") << QString("L|EGXA|Field|Town|GB|XXA|51.5|-0.5|40|Other|1|United "
                                          "Kingdom||Europe/London|09/27:5000:150:grass:0:90/270|"
                                          "tower:118.5|England|XA|EGYY|1|")
                               << false;
        QTest::newRow("in metres") << QString("S|EGXB|Field|Town|GB||51|-1|10||") << true;
        QTest::newRow("no place") << QString("S|EGXC|Field|Town|GB||north|west|||") << false;
        QTest::newRow("code alone") << QString("S|EGXD") << false;
    }
    void everySheetHasTheHeadingsKeys() {
        QFETCH(QString, item);
        QFETCH(bool, metres);
        const auto length = metres ? icao::LengthUnit::Metre : icao::LengthUnit::Foot;
        const auto keysOf = [](const std::vector<icao::SheetEntry>& sheet) {
            std::vector<std::string> keys;
            for (const icao::SheetEntry& entry : sheet) {
                keys.push_back(entry.key);
            }
            return keys;
        };
        const auto sheet = sheetOf(recordOf(item.toStdString()), kMidsummer,
                                   std::vector<icao::NearbyNavaid>{}, length);
        QCOMPARE(keysOf(sheet), keysOf(icao::airfieldSheetHeadings(length)));
        QCOMPARE(entryOf(sheet, metres ? "elevation_m" : "elevation_ft").label,
                 std::string("elevation"));
    }

    // A part no runway has (the size, the headings) leaves no gap in any line; a part one runway
    // has stays in every line, empty where another lacks it, so that the columns line up.
    void runwaysLineUpTheirParts() {
        const auto sheet = sheetOf(recordOf("S|EGXA|Field|Town|GB||51|-1|10|||||Europe/London|"
                                            "09/27:2000:30:grass:1:/ 18/36:::grass::180/360|"),
                                   kMidsummer);
        const auto& runways = entryOf(sheet, "runways");
        QCOMPARE(runways.lines.size(), std::size_t{2});
        QCOMPARE(runways.lines[0],
                 (std::vector<std::string>{"09/27", "2000 × 30 ft", "grass", "lighted", ""}));
        QCOMPARE(runways.lines[1][1], std::string());
        QVERIFY(runways.lines[1][4].starts_with("true headings 180°/360°"));
        const auto bare = sheetOf(recordOf("S|EGXA|Field|Town|GB||51|-1|10|||||Europe/London|"
                                           "09/27:::grass:0:/ 18/36:::::/|"),
                                  kMidsummer);
        QCOMPARE(entryOf(bare, "runways").lines[1],
                 (std::vector<std::string>{"18/36", "surface unknown", "lighting unknown"}));
    }

    // JSON keeps every frequency: a name again is numbered, not written over.
    void aFrequencyNamedAgainKeepsItsValue() {
        const auto sheet = sheetOf(
            recordOf("S|EGXA|Field|Town|GB||51|-1|10|||||Europe/London||tower:118.5 tower:118.7|"),
            kMidsummer);
        const auto& frequencies = entryOf(sheet, "frequencies");
        QCOMPARE(frequencies.lines.size(), std::size_t{2});
        const auto& members = std::get<icao::SheetValue::Members>(frequencies.value.held);
        QCOMPARE(members.size(), std::size_t{2});
        QCOMPARE(members[1].first, std::string("tower_2"));
        QCOMPARE(std::get<double>(members[1].second.held), 118.7);
    }

    // On a polar day the sun's times say why there are none, while TSV and JSON carry none.
    void aPolarDaySaysWhyTheSunDoesNotSet() {
        const auto sheet =
            sheetOf(recordOf("M|ENSB|Svalbard|Longyearbyen|NO||78.246|15.466|88|||||Arctic/"
                             "Longyearbyen||"),
                    kMidsummer);
        for (const char* key : {"sunrise", "sunset", "civil_dawn", "civil_dusk"}) {
            const auto& sun = entryOf(sheet, key);
            QVERIFY2(sun.lines.size() == 1 && sun.lines[0][0].starts_with("none: "), key);
            QVERIFY(sun.plain.empty() && sun.value.isNull());
        }
        QCOMPARE(entryOf(sheet, "sunrise").lines[0][0],
                 std::string("none: polar day, the sun stays up"));
        const auto south =
            sheetOf(recordOf("S|EGXA|Field|Town|GB||51|-1|10|||||Europe/London||"), kMidsummer);
        // Midsummer sunrise at 51° N, 1° W is near 03:48 UTC, as almanacs give it.
        const auto& sunrise = entryOf(south, "sunrise");
        QVERIFY2(sunrise.plain.starts_with("2026-06-21T03:4") && sunrise.plain.ends_with('Z'),
                 sunrise.plain.c_str());
        QCOMPARE(std::get<std::string>(sunrise.value.held), sunrise.plain);
    }

    // Navaids not known (no navaids.txt) are null in JSON; none within reach, an empty list.
    void navaidsUnknownAreNotNavaidsNone() {
        const auto record = recordOf("S|EGXA|Field|Town|GB||51|-1|10|||||Europe/London||");
        QVERIFY(entryOf(sheetOf(record, kMidsummer), "navaids").value.isNull());
        const auto none =
            entryOf(sheetOf(record, kMidsummer, std::vector<icao::NearbyNavaid>{}), "navaids");
        QVERIFY(none.lines.empty());
        QVERIFY(std::get<icao::SheetValue::List>(none.value.held).empty());
        icao::NearbyNavaid aid{{}, 12.0, 177.4};
        aid.navaid.ident = "OCK";
        aid.navaid.type = "VOR-DME";
        aid.navaid.frequency = "115.30";
        const auto one = entryOf(sheetOf(record, kMidsummer, std::vector{aid}), "navaids");
        QCOMPARE(one.lines.size(), std::size_t{1});
        QCOMPARE(one.lines[0],
                 (std::vector<std::string>{"OCK", "VOR-DME", "115.30 MHz", "6.5 NM", "177°"}));
        QCOMPARE(one.plain, std::string("OCK"));
    }
};

QTEST_GUILESS_MAIN(AirfieldSheetTest)
#include "tst_airfield_sheet.moc"
