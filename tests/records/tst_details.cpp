// SPDX-License-Identifier: MIT
#include "records/airfield_details.h"
#include "records/airfield_filter.h"

#include <QTest>

namespace {

using namespace std::chrono;

// An instant in UTC, for a zone's local time.
sys_seconds utcAt(year_month_day day, hours hour, minutes minute = minutes(0)) {
    return sys_days(day) + hour + minute;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<int>)

class DetailsTest : public QObject {
    Q_OBJECT

  private slots:
    void runwaysAreReadPartByPart() {
        const auto runways = icao::runwaysOf(
            "09L/27R:12799:164:asphalt:1:89.6/269.6:51.4775;-0.48943/51.4777;-0.43326 "
            "H1::::0: 25:::grass::251");
        QCOMPARE(runways.size(), std::size_t{3});
        const icao::Runway& first = runways[0];
        QCOMPARE(first.ends.size(), std::size_t{2});
        QCOMPARE(first.ends[1].ident, std::string("27R"));
        QCOMPARE(first.ends[1].trueHeading, std::optional(269.6));
        QCOMPARE(first.lengthFt, std::optional(12799));
        QCOMPARE(first.widthFt, std::optional(164));
        QCOMPARE(first.surface, std::string("asphalt"));
        QCOMPARE(first.lighted, std::optional(true));
        QVERIFY(first.ends[0].threshold && first.ends[1].threshold);
        QCOMPARE(first.ends[0].threshold->latitude, 51.4775);
        QCOMPARE(first.ends[1].threshold->longitude, -0.43326);
        // A record written before thresholds were carried has six parts.
        QVERIFY(!runways[2].ends[0].threshold);
        // What the database lacks stays unknown, not zero.
        QCOMPARE(runways[1].ends.size(), std::size_t{1});
        QCOMPARE(runways[1].ends[0].trueHeading, std::optional<double>());
        QCOMPARE(runways[1].lengthFt, std::optional<int>());
        QCOMPARE(runways[1].lighted, std::optional(false));
        QCOMPARE(runways[2].lighted, std::optional<bool>());
        QCOMPARE(runways[2].ends[0].trueHeading, std::optional(251.0));
    }

    // A bad data file may hold anything in these fields: what does not read is left out or
    // unknown, and never stops the rest.
    // Every word the data scripts write for a surface (tools/runway_surfaces.py) has the class
    // they give it; an empty or unknown word has none, so that no filter takes it for one.
    void surfacesHaveTheClassesOfTheData_data() {
        QTest::addColumn<std::string>("word");
        QTest::addColumn<std::optional<icao::Surface>>("surface");
        QTest::newRow("asphalt") << std::string("asphalt") << std::optional(icao::Surface::Paved);
        QTest::newRow("bitumen") << std::string("bitumen") << std::optional(icao::Surface::Paved);
        QTest::newRow("concrete") << std::string("concrete") << std::optional(icao::Surface::Paved);
        QTest::newRow("macadam") << std::string("macadam") << std::optional(icao::Surface::Paved);
        QTest::newRow("paved") << std::string("paved") << std::optional(icao::Surface::Paved);
        QTest::newRow("metal") << std::string("metal") << std::optional(icao::Surface::Paved);
        QTest::newRow("brick") << std::string("brick") << std::optional(icao::Surface::Paved);
        QTest::newRow("wood") << std::string("wood") << std::optional(icao::Surface::Paved);
        QTest::newRow("deck") << std::string("deck") << std::optional(icao::Surface::Paved);
        QTest::newRow("rooftop") << std::string("rooftop") << std::optional(icao::Surface::Paved);
        QTest::newRow("grass") << std::string("grass") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("gravel") << std::string("gravel") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("dirt") << std::string("dirt") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("clay") << std::string("clay") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("sand") << std::string("sand") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("coral") << std::string("coral") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("laterite") << std::string("laterite")
                                  << std::optional(icao::Surface::Unpaved);
        QTest::newRow("treated") << std::string("treated") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("snow") << std::string("snow") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("ice") << std::string("ice") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("unpaved") << std::string("unpaved") << std::optional(icao::Surface::Unpaved);
        QTest::newRow("water") << std::string("water") << std::optional(icao::Surface::Water);
        QTest::newRow("Asphalt, any case")
            << std::string("ASPHALT") << std::optional(icao::Surface::Paved);
        QTest::newRow("unknown") << std::string("") << std::optional<icao::Surface>();
        QTest::newRow("a word of no surface")
            << std::string("runway") << std::optional<icao::Surface>();
    }

    void surfacesHaveTheClassesOfTheData() {
        QFETCH(std::string, word);
        QFETCH(std::optional<icao::Surface>, surface);
        QCOMPARE(icao::surfaceOf(word), surface);
    }

    void malformedRunwaysAndFrequenciesAreLeftOut_data() {
        QTest::addColumn<QString>("runways");
        QTest::addColumn<int>("runwayCount");
        QTest::addColumn<QString>("frequencies");
        QTest::addColumn<int>("frequencyCount");
        QTest::newRow("too few parts") << "09/27:5000:100:grass:1" << 0 << "atis" << 0;
        QTest::newRow("too many parts")
            << "09/27:5000:100:grass:1:90/270:1;2/3;4:x" << 0 << ":118.5" << 0;
        QTest::newRow("thresholds off the earth or unreadable")
            << "09/27:1:100:grass:1:90/270:91;0/0;x" << 1 << "" << 0;
        QTest::newRow("text for numbers")
            << "09/27:long:wide:grass:yes:east/west" << 1 << "atis:fast tower:118.5" << 1;
        QTest::newRow("blanks and colons only") << "  ::::: " << 0 << " : :: " << 0;
        QTest::newRow("more headings than idents") << "09:1:1::1:90/270/10" << 1 << "" << 0;
        QTest::newRow("nothing known but the lighting")
            << "::::0:: ::::1: 09::::0::" << 1 << "" << 0;
    }
    void malformedRunwaysAndFrequenciesAreLeftOut() {
        QFETCH(QString, runways);
        QFETCH(int, runwayCount);
        QFETCH(QString, frequencies);
        QFETCH(int, frequencyCount);
        const auto read = icao::runwaysOf(runways.toStdString());
        QCOMPARE(read.size(), static_cast<std::size_t>(runwayCount));
        for (const icao::Runway& runway : read) {
            QVERIFY(!runway.lengthFt || *runway.lengthFt == 1);
            QVERIFY(runway.ends.size() <= 3);
            for (const icao::RunwayEnd& end : runway.ends) {
                QVERIFY(!end.threshold);
            }
        }
        QCOMPARE(icao::frequenciesOf(frequencies.toStdString()).size(),
                 static_cast<std::size_t>(frequencyCount));
    }

    void frequenciesKeepTheirNamesAndOrder() {
        const auto frequencies = icao::frequenciesOf("atis:113.75 tower:118.0125");
        QCOMPARE(frequencies.size(), std::size_t{2});
        QCOMPARE(frequencies[0].name, std::string("atis"));
        QCOMPARE(frequencies[0].megahertz, 113.75);
        QCOMPARE(frequencies[1].megahertz, 118.0125);
        // Every digit of an 8.33 kHz channel shows, where six significant ones would round it.
        QCOMPARE(icao::frequencyWords(frequencies[1]), std::string("TOWER  118.0125 MHz"));
        const auto words = icao::runwayWords(icao::runwaysOf("09L/27R:12799:164::1:89.6/269.6")[0]);
        QCOMPARE(words.size, std::string("12799 × 164 ft"));
        QCOMPARE(words.headings, std::string("true headings 089.6°/269.6°"));
        QCOMPARE(icao::runwayWords(icao::runwaysOf("18/36:1:1::1:181/1")[0]).headings,
                 std::string("true headings 181°/001°"));
        // The MHz as the source wrote them, trailing zeros too.
        QCOMPARE(icao::frequencyWords(icao::frequenciesOf("unicom:130.000")[0]),
                 std::string("UNICOM  130.000 MHz"));
        QCOMPARE(icao::runwayWords(icao::runwaysOf(":1500:::0:")[0]).ends, std::string("runway"));
    }

    // Summer and winter time, half-hour zones, and a zone no system knows.
    void localTimeFollowsTheZonesRules_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<qint64>("instant");
        QTest::addColumn<QString>("localTime");
        QTest::addColumn<std::optional<int>>("offset");
        const auto summer = utcAt(2026y / July / 1, hours(12)).time_since_epoch().count();
        const auto winter =
            utcAt(2026y / December / 8, hours(23), minutes(45)).time_since_epoch().count();
        QTest::newRow("London in summer")
            << "Europe/London" << qint64(summer) << "2026-07-01T13:00" << std::optional(3600);
        QTest::newRow("London in winter")
            << "Europe/London" << qint64(winter) << "2026-12-08T23:45" << std::optional(0);
        QTest::newRow("Kolkata, past midnight")
            << "Asia/Kolkata" << qint64(winter) << "2026-12-09T05:15" << std::optional(19800);
        // Known to Qt on Windows by a former name alone, Asia/Katmandu and Europe/Kiev.
        QTest::newRow("Kathmandu")
            << "Asia/Kathmandu" << qint64(winter) << "2026-12-09T05:30" << std::optional(20700);
        QTest::newRow("Kyiv") << "Europe/Kyiv" << qint64(summer) << "2026-07-01T15:00"
                              << std::optional(10800);
        QTest::newRow("St. John's in winter")
            << "America/St_Johns" << qint64(winter) << "2026-12-08T20:15" << std::optional(-12600);
        QTest::newRow("unknown") << "Mars/Olympus_Mons" << qint64(winter) << ""
                                 << std::optional<int>();
        QTest::newRow("none") << "" << qint64(winter) << "" << std::optional<int>();
    }
    void localTimeFollowsTheZonesRules() {
        QFETCH(QString, zone);
        QFETCH(qint64, instant);
        QFETCH(QString, localTime);
        QFETCH(std::optional<int>, offset);
        const auto time = icao::timeInZone(zone.toStdString(), sys_seconds(seconds(instant)));
        QCOMPARE(time.has_value(), offset.has_value());
        if (time) {
            QCOMPARE(QString::fromStdString(time->localTime), localTime);
            QCOMPARE(time->utcOffsetSeconds, *offset);
        }
    }

    void offsetsAndPositionsAreWrittenOut() {
        QCOMPARE(icao::utcOffsetText(0), std::string("+00:00"));
        QCOMPARE(icao::utcOffsetText(19800), std::string("+05:30"));
        QCOMPARE(icao::utcOffsetText(-12600), std::string("-03:30"));
        QCOMPARE(icao::degreesAndMinutes(51.470748, true), std::string("51°28.24′N"));
        QCOMPARE(icao::degreesAndMinutes(-0.459909, false), std::string("0°27.59′W"));
        QCOMPARE(icao::degreesAndMinutes(-33.94, true), std::string("33°56.40′S"));
        // 59.99999° is 59°59.9994′, which rounds to the next whole degree.
        QCOMPARE(icao::degreesAndMinutes(59.99999, false), std::string("60°00.00′E"));
    }

    void detailsReadTheRecordsLaterFields() {
        const auto record = icao::AirportRecord::fromItem(
            "L|EGLL|London Heathrow Airport|London|GB|LHR|51.47|-0.46|83|LON / Londres|864|"
            "United Kingdom / Great Britain|Londra|Europe/London|09L/27R:12799:164::1:89.6/269.6|"
            "atis:113.75|",
            1);
        const auto details = icao::detailsOf(record, utcAt(2026y / July / 1, hours(12)));
        QCOMPARE(details.countryName, std::string("United Kingdom"));
        QCOMPARE(details.timeZone, std::string("Europe/London"));
        QVERIFY(details.zoneTime);
        QCOMPARE(details.zoneTime->localTime, std::string("2026-07-01T13:00"));
        QCOMPARE(details.runways.size(), std::size_t{1});
        QCOMPARE(details.frequencies.size(), std::size_t{1});
        QCOMPARE(details.alternateNames, (std::vector<std::string>{"LON", "Londres"}));
        // A record of the older layout has no details, and no zone.
        const auto older =
            icao::detailsOf(icao::AirportRecord::fromItem("S|EGXX|Field|", 2), sys_seconds());
        QVERIFY(older.countryName.empty() && !older.zoneTime && older.runways.empty());
        QVERIFY(older.alternateNames.empty());
    }
};

QTEST_GUILESS_MAIN(DetailsTest)
#include "tst_details.moc"
