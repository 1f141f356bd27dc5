// SPDX-License-Identifier: MIT
#include "lookup/data_audit.h"
#include "lookup/zone_name.h"
#include "support/fixtures.h"

#include <QTest>

class DataAuditTest : public QObject {
    Q_OBJECT

  private slots:
    // A zone name is looked up only in the IANA form; a path never is.
    void zoneNamesHaveTheIanaForm_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        for (const char* name : {"Europe/London", "America/Argentina/Buenos_Aires", "Etc/GMT+1",
                                 "Etc/GMT-14", "UTC", "America/Port-au-Prince"}) {
            QTest::newRow(name) << name << true;
        }
        for (const char* name :
             {"", "../../../../tmp/x/fifo", "/etc/passwd", "Europe//London", "Europe/London/",
              "Europe/./London", "Europe/Lon don", "Europe\\London", "Europe/Zürich"}) {
            QTest::newRow(name) << name << false;
        }
        QTest::newRow("too long") << QString(65, 'A') << false;
        QTest::newRow("longest") << QString(64, 'A') << true;
    }
    void zoneNamesHaveTheIanaForm() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QCOMPARE(icao::isZoneName(name.toStdString()), accepted);
    }

    // Each expected finding is "LINE: words the reason holds".
    void findings_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        const QByteArray good = "L|EGLL|London Heathrow Airport|London|GB|LHR|\n";
        QTest::newRow("clean file")
            << QByteArray(good + "M|LSZH|Zürich Airport|Zurich|CH|ZRH|\n") << QStringList{};
        QTest::newRow("comma in the name")
            << QByteArray(good + "M|ENAL|Alesund Airport, Vigra|Alesund|NO|AES|\n")
            << QStringList{"2: a comma splits the line; of its first item, by code "
                           "\"ENAL\" it shows \"Alesund Airport\", by name it is never found",
                           "2: no \"|\" follows the name"};
        // The first item's notes after the comma's, then each later item's as it is read.
        QTest::newRow("commas between items of another code page")
            << QByteArray("M|ENAL|\xC5lesund,\xC5,X,\xC5\n" + good)
            << QStringList{"1: a comma splits the line; of its first item",
                           "1: no \"|\" follows the name",
                           "1: not valid UTF-8, so it is read as Windows-1252: \"M|ENAL|Ålesund\"",
                           "1: not valid UTF-8, so it is read as Windows-1252: \"Å\"",
                           "1: not valid UTF-8, so it is read as Windows-1252: \"Å\""};
        QTest::newRow("leading double quote")
            << QByteArray("\"M|EGXX|Quoted|\"\n" + good)
            << QStringList{"1: a double quote at the start makes the item run to the next "
                           "double quote; by code \"EGXX\" it shows \"Quoted\""};
        QTest::newRow("long marker") << QByteArray("AB|EGLL|Name|\n")
                                     << QStringList{"1: the record marker is not one character",
                                                    "1: the code is not four characters",
                                                    "1: the name lookup reads an empty name"};
        QTest::newRow("numbers out of range")
            << QByteArray("L|EGLL|London Heathrow|London|GB|LHR|91|-0.46|1e15||\n"
                          "L|LFPG|Paris|Paris|FR|CDG|49|inf|nan||\n"
                          "L|EDDF|Frankfurt|Frankfurt|DE|FRA|50|8.5|364||\n")
            << QStringList{"1: the latitude \"91\" is not a number from -90 to 90, so the "
                           "airfield has no place",
                           "1: the elevation \"1e15\" is not a number from -2000 to 30000",
                           "2: the longitude \"inf\"", "2: the elevation \"nan\""};
        QTest::newRow("short code") << QByteArray("M|EGL|Name|\n")
                                    << QStringList{"1: the code is not four characters followed "
                                                   "by \"|\": the code lookup compares \"EGL|\""};
        QTest::newRow("lower-case code") << QByteArray("M|egll|Name|\n")
                                         << QStringList{"1: the code \"egll\" is not upper case"};
        QTest::newRow("name is the last field")
            << QByteArray("M|EGLL|Name\n") << QStringList{"1: no \"|\" follows the name"};
        QTest::newRow("code used earlier")
            << QByteArray(good + "M|LSZH|Zurich|\nM|EGLL|Other|\n")
            << QStringList{"3: the code \"EGLL\" is already used on line 1, so this record is "
                           "never shown by code"};
        QTest::newRow("IATA code used earlier")
            << QByteArray(good + "M|LSZH|Zurich|Zurich|CH|LHR|\nM|LSZR|Other|Town|CH||\n")
            << QStringList{"2: the IATA code \"LHR\" is already used on line 1, so one airport "
                           "may stand twice"};
        QTest::newRow("name used earlier, compared upper-cased")
            << QByteArray(good + "M|EGKK|london heathrow airport|\n")
            << QStringList{"2: the name \"LONDON HEATHROW AIRPORT\" is already used on line 1"};
        QTest::newRow("blank lines")
            << QByteArray(good + "\n" + good.left(7) + "X|Y|\n\n")
            << QStringList{"2: blank line: an empty code search finds it",
                           "3: the code \"EGLL\" is already used", "4: blank line"};
        QTest::newRow("short item")
            << QByteArray("X|\n")
            << QStringList{"1: item of at most two characters: an empty "
                           "code search finds it",
                           "1: the code is not four characters", "1: no \"|\" follows the name"};
        QTest::newRow("empty name") << QByteArray("M|EGLL||X|\nM|LSZH||\n")
                                    << QStringList{"1: the name lookup reads an empty name",
                                                   "2: the name \"\" is already used on line 1"};
        QTest::newRow("windows-1252 line")
            << QByteArray(good + "M|LSZH|Z\xFCrich|\n")
            << QStringList{"2: not valid UTF-8, so it is read as Windows-1252: "
                           "\"M|LSZH|Zürich|\""};
        QTest::newRow("control character")
            << QByteArray(good + "M|LSZH|Z\x08rich|\n")
            << QStringList{"2: the record holds a control character, which icao shows escaped: "
                           "\"M|LSZH|Z\\x08rich|\""};
    }
    void findings() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        fixtures::DataFolder folder;
        QStringList actual;
        const auto report = icao::auditDataFile(
            folder.write(content), [&actual](const icao::AuditFinding& finding) {
                actual.append(QString::number(finding.line) + ": " +
                              QString::fromStdString(finding.reason));
                return true;
            });
        QVERIFY(report);
        QCOMPARE(report->findings, static_cast<std::size_t>(actual.size()));
        QCOMPARE(actual.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QVERIFY2(actual[i].startsWith(expected[i]), qPrintable(actual[i]));
        }
    }

    void summaryCountsProblemsAndLines() {
        fixtures::DataFolder folder;
        const auto report = icao::auditDataFile(folder.write("M|egll|A|\nM|EGL|B\nM|LSZH|C|\n"));
        QVERIFY(report);
        QCOMPARE(QString::fromStdString(report->summary()),
                 QString("3 items read: 3 problems on 2 lines"));
    }
};

QTEST_GUILESS_MAIN(DataAuditTest)
#include "tst_data_audit.moc"
