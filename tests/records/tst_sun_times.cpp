// SPDX-License-Identifier: MIT
#include "records/sun_times.h"
#include "support/reference_table.h"

#include <QDateTime>
#include <QTest>
#include <cmath>

using namespace std::chrono;

namespace {

// An ISO 8601 UTC time as the reference writes it; none for "-".
std::optional<sys_seconds> timeOf(const QString& text) {
    if (text == "-") {
        return std::nullopt;
    }
    const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    return sys_seconds(seconds(time.toSecsSinceEpoch()));
}

QString shown(const std::optional<sys_seconds>& time) {
    return time ? QDateTime::fromSecsSinceEpoch(time->time_since_epoch().count(), Qt::UTC)
                      .toString(Qt::ISODate)
                : "-";
}

} // namespace

class SunTimesTest : public QObject {
    Q_OBJECT

  private slots:
    // Two references for the same places (the equator, mid and high latitudes both sides)
    // at the solstices and equinoxes: a bisection on the sun's altitude from the Astronomical
    // Almanac's solar coordinates (tools/sun_reference.py), which the four times meet within
    // a minute, with none where it has none; and suncalc run in Node.js, which takes the
    // sun's declination at noon for the whole day and so strays up to two minutes
    // from both at the solstices, and minutes at the equinoxes, when it moves fastest.
    void agreesWithReferences_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<int>("toleranceAtEquinoxes");
        QTest::newRow("almanac") << "sun_reference.tsv" << 60 << 60;
        QTest::newRow("suncalc") << "suncalc_reference.tsv" << 120 << 600;
    }
    void agreesWithReferences() {
        QFETCH(QString, file);
        QFETCH(int, tolerance);
        QFETCH(int, toleranceAtEquinoxes);
        const auto rows =
            fixtures::referenceRows(QStringLiteral(ICAO_TESTS_DIR "/records/") + file);
        for (const QStringList& cells : rows) {
            const QString line = cells.join(' ');
            QCOMPARE(cells.size(), 7);
            const QDate date = QDate::fromString(cells[2], Qt::ISODate);
            const auto day = sys_days{year(date.year()) / date.month() / date.day()};
            const double latitude = cells[0].toDouble();
            const auto times = icao::sunTimesOn({latitude, cells[1].toDouble()}, day);
            const bool equinox = date.month() % 6 != 0;
            const int allowed = equinox ? toleranceAtEquinoxes : tolerance;
            const std::optional<sys_seconds> found[] = {times.civil.up, times.sun.up,
                                                        times.sun.down, times.civil.down};
            for (int i = 0; i < 4; ++i) {
                const auto expected = timeOf(cells[3 + i]);
                const bool near =
                    expected && found[i] && std::abs((*found[i] - *expected).count()) <= allowed;
                QVERIFY2(near || (!expected && !found[i]),
                         qPrintable(line + ": " + QString::number(i) + " is " + shown(found[i])));
            }
        }
        QVERIFY(rows.size() >= 40);
    }

    // The day is the date in the airfield's zone, also where the date line puts that a day
    // from the date its longitude gives (Kiritimati, Tonga, Samoa, Chatham, Attu, Chukotka);
    // and a day when the midnight sun comes or goes has the one crossing it has (Thule,
    // Longyearbyen, Utqiagvik): against the almanac's bisection on the zone's date.
    void theDayIsTheZonesDate() {
        const auto rows = fixtures::referenceRows(
            QStringLiteral(ICAO_TESTS_DIR "/records/sun_zone_reference.tsv"));
        for (const QStringList& cells : rows) {
            const QString line = cells.join(' ');
            QCOMPARE(cells.size(), 8);
            const QDate date = QDate::fromString(cells[3], Qt::ISODate);
            const auto times = icao::sunTimesOn(
                {cells[0].toDouble(), cells[1].toDouble()},
                sys_days{year(date.year()) / date.month() / date.day()}, cells[2].toInt() * 60);
            const std::optional<sys_seconds> found[] = {times.civil.up, times.sun.up,
                                                        times.sun.down, times.civil.down};
            for (int i = 0; i < 4; ++i) {
                const auto expected = timeOf(cells[4 + i]);
                const bool near =
                    expected && found[i] && std::abs((*found[i] - *expected).count()) <= 60;
                QVERIFY2(near || (!expected && !found[i]),
                         qPrintable(line + ": " + QString::number(i) + " is " + shown(found[i])));
            }
        }
        QVERIFY(rows.size() >= 14);
    }

    // Polar day and night are told apart: Longyearbyen's sun never sets in June and never
    // rises in December, when civil twilight still comes at noon.
    void polarDayAndNight() {
        const icao::Place longyearbyen{78.2461, 15.4656};
        const auto june = icao::sunTimesOn(longyearbyen, sys_days{2026y / June / 21});
        QVERIFY(june.sun.alwaysAbove && !june.sun.alwaysBelow && !june.sun.up);
        QVERIFY(june.civil.alwaysAbove);
        const auto december = icao::sunTimesOn(longyearbyen, sys_days{2026y / December / 21});
        QVERIFY(december.sun.alwaysBelow && !december.sun.alwaysAbove && !december.sun.down);
        QVERIFY(december.civil.alwaysBelow);
        const auto tromso = icao::sunTimesOn({69.68, 18.92}, sys_days{2026y / December / 21});
        QVERIFY(tromso.sun.alwaysBelow && tromso.civil.up && tromso.civil.down);
    }
};

QTEST_GUILESS_MAIN(SunTimesTest)
#include "tst_sun_times.moc"
