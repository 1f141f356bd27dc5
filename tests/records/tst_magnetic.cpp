// SPDX-License-Identifier: MIT
#include "records/magnetic_model.h"
#include "support/reference_table.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

using namespace std::chrono;

class MagneticTest : public QObject {
    Q_OBJECT

  private slots:
    // magvar (its degrees rounded to two decimals) run in Node.js on places over the whole
    // earth, poles and the antimeridian among them, at heights and times over the model's
    // years: the same variation, well within the 0.1° the maps and headings need.
    void agreesWithMagvar() {
        const auto rows =
            fixtures::referenceRows(QStringLiteral(ICAO_TESTS_DIR "/records/magvar_reference.tsv"));
        for (const QStringList& cells : rows) {
            QCOMPARE(cells.size(), 5);
            const double variation =
                icao::magneticVariation({cells[0].toDouble(), cells[1].toDouble()},
                                        cells[3].toDouble(), cells[2].toDouble());
            QVERIFY2(std::abs(variation - cells[4].toDouble()) < 0.006,
                     qPrintable(cells.join(' ') + " gives " + QString::number(variation, 'f', 4)));
        }
        QVERIFY(rows.size() >= 20);
    }

    // NOAA's own test values for the model: a hundred points, poles among them, at heights up
    // to 100 km, over its five years. The variation is the angle of the field's north and east
    // components, which the table gives to a millionth of a nanotesla: held to 0.00001°, a
    // thousandth of the table's rounded declination, which an error of a coefficient or in the
    // ellipsoid's geometry would not pass.
    void agreesWithTheModelsTestValues() {
        const auto rows = fixtures::referenceRows(
            QStringLiteral(ICAO_TESTS_DIR "/records/wmm2025_test_values.tsv"));
        QCOMPARE(rows.size(), qsizetype(100));
        double worst = 0;
        for (const QStringList& cells : rows) {
            QCOMPARE(cells.size(), 6);
            const double expected =
                std::atan2(cells[5].toDouble(), cells[4].toDouble()) * 180 / std::numbers::pi;
            const double variation =
                icao::magneticVariation({cells[2].toDouble(), cells[3].toDouble()},
                                        cells[0].toDouble(), cells[1].toDouble());
            const double apart = std::abs(std::remainder(variation - expected, 360.0));
            worst = std::max(worst, apart);
            QVERIFY2(apart < 1e-5,
                     qPrintable(cells.join(' ') + " gives " + QString::number(variation, 'f', 6) +
                                ", not " + QString::number(expected, 'f', 6)));
        }
        qInfo("worst difference %.2e degrees", worst);
    }

    void decimalYearsAndHeadings() {
        QCOMPARE(icao::decimalYearOf(sys_days{2026y / January / 1}), 2026.0);
        // The middle of 2026 is noon on 2 July; 2028 is a leap year, and its middle is the
        // midnight before.
        QCOMPARE(icao::decimalYearOf(sys_days{2026y / July / 2} + hours(12)), 2026.5);
        QCOMPARE(icao::decimalYearOf(sys_days{2028y / July / 2}), 2028.5);
        QVERIFY(std::abs(icao::decimalYearOf(sys_days{2026y / December / 31} + hours(23)) -
                         2026.99989) < 1e-5);
        // West variation adds to the heading, east takes from it, round the compass.
        for (const auto& [trueDegrees, variation, magnetic] :
             {std::tuple{269.6, -1.4, 271.0}, {359.0, -2.0, 1.0}, {1.0, 3.0, 358.0}}) {
            QVERIFY(std::abs(icao::magneticHeading(trueDegrees, variation) - magnetic) < 1e-9);
        }
    }
};

QTEST_GUILESS_MAIN(MagneticTest)
#include "tst_magnetic.moc"
