// SPDX-License-Identifier: MIT
#include "records/magnetic_model.h"
#include "support/reference_table.h"

#include <QTest>
#include <cmath>
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
