#include "lookup/lookups.h"
#include "support/fixtures.h"
#include "support/recording_box.h"

#include <QTemporaryDir>
#include <QTest>

using fixtures::RecordingBox;
using icao::Outcome;

Q_DECLARE_METATYPE(icao::Outcome)

namespace {

const QString kLocks = "lock input (file open)|lock output (file open)";

QStringList expectedTranscript(const QString& writes) {
    QStringList transcript{"read input"};
    transcript += kLocks.split('|');
    if (!writes.isEmpty()) {
        transcript += writes.split('|');
    }
    return transcript;
}

} // namespace

class LookupsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir* dir_ = nullptr;

    void addColumns() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("writes");
    }

    using Lookup = icao::Expected<Outcome> (*)(icao::Box&, icao::Box&,
                                               const std::filesystem::path&);

    void runLookup(Lookup lookup) {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(Outcome, outcome);
        QFETCH(QString, writes);
        const auto path = fixtures::writeDataFile(*dir_, content);
        QStringList transcript;
        RecordingBox input("input", transcript, path, key);
        RecordingBox output("output", transcript, path, "before");
        const auto result = lookup(input, output, path);
        QVERIFY2(result, result ? "" : result.error().describe().c_str());
        QCOMPARE(*result, outcome);
        QCOMPARE(transcript, expectedTranscript(writes));
        QVERIFY(!fixtures::isOpenHere(path));
    }

  private slots:
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    void codeToName_data() {
        addColumns();
        const QByteArray file = "A|EGLL|NAME ONE|X|Y\nB|LSZH|Zürich Airport|\n";
        QTest::newRow("found shows code then name")
            << file << "EGLL" << Outcome::Found
            << "write output (file open): EGLL|write output (file open): NAME ONE";
        QTest::newRow("non-ascii name") << file << "LSZH" << Outcome::Found
                                        << "write output (file open): LSZH|"
                                           "write output (file open): Zürich Airport";
        QTest::newRow("spaces around the key are ignored")
            << file << "  LSZH " << Outcome::Found
            << "write output (file open): LSZH|write output (file open): Zürich Airport";
        QTest::newRow("letter case counts") << file << "egll" << Outcome::NotFound
                                            << "write output (file open): ICAO CODE NOT FOUND";
        QTest::newRow("a tab is part of the key")
            << file << "EGLL\t" << Outcome::NotFound
            << "write output (file open): ICAO CODE NOT FOUND";
        QTest::newRow("empty file") << QByteArray() << "EGLL" << Outcome::NotFound
                                    << "write output (file open): ICAO CODE NOT FOUND";
        QTest::newRow("two fields show the code")
            << QByteArray("A|EGLL") << "EGLL" << Outcome::Found << "write output (file open): EGLL";
        QTest::newRow("first match wins")
            << QByteArray("A|EGLL|FIRST|\nA|EGLL|SECOND|\n") << "EGLL" << Outcome::Found
            << "write output (file open): EGLL|write output (file open): FIRST";
        QTest::newRow("positions 2 and 7 are not examined")
            << QByteArray("AxEGLLyNAME|Z|\n") << "EGLL" << Outcome::Found
            << "write output (file open): Z|write output (file open): ";
        QTest::newRow("no separator writes nothing")
            << QByteArray("AxEGLLy\n") << "EGLL" << Outcome::Found << "";
        QTest::newRow("short key matches the end of a short item")
            << QByteArray("A|EGLL|X|\nA|EG\n") << "EG" << Outcome::Found
            << "write output (file open): EG";
        QTest::newRow("short key misses records")
            << file << "EGL" << Outcome::NotFound
            << "write output (file open): ICAO CODE NOT FOUND";
        QTest::newRow("empty key matches a blank line, writing nothing")
            << QByteArray("A|EGLL|X|\n\nB|LSZH|Y|\n") << "  " << Outcome::Found << "";
        QTest::newRow("empty key and X| writes the empty field")
            << QByteArray("A|EGLL|X|\nX|\n") << "" << Outcome::Found
            << "write output (file open): ";
        QTest::newRow("empty key without short item misses")
            << file << "" << Outcome::NotFound << "write output (file open): ICAO CODE NOT FOUND";
        QTest::newRow("comma cuts the name")
            << QByteArray("A|EGLL|London, Heathrow|\n") << "EGLL" << Outcome::Found
            << "write output (file open): EGLL|write output (file open): London";
        QTest::newRow("windows-1252 record")
            << QByteArray("\xC4|LSZH|Z\xFCrich|\n") << "LSZH" << Outcome::Found
            << "write output (file open): LSZH|write output (file open): Zürich";
        QTest::newRow("non-ascii code")
            << QByteArray("A|ÅÄÖÜ|Nordic|\n") << "ÅÄÖÜ" << Outcome::Found
            << "write output (file open): ÅÄÖÜ|write output (file open): Nordic";
        QTest::newRow("CRLF file")
            << QByteArray("A|EGLL|NAME|\r\n") << "EGLL" << Outcome::Found
            << "write output (file open): EGLL|write output (file open): NAME";
    }
    void codeToName() { runLookup(&icao::codeToName); }

    void nameToCode_data() {
        addColumns();
        const QByteArray file = "A|EGLL|NAME ONE|X\nB|lszh|Zürich Airport|\n";
        QTest::newRow("found writes the code")
            << file << "NAME ONE" << Outcome::Found << "write output (file open): EGLL";
        QTest::newRow("record side is upper-cased, code too")
            << file << "ZÜRICH AIRPORT" << Outcome::Found << "write output (file open): LSZH";
        QTest::newRow("key is not upper-cased")
            << file << "Name One" << Outcome::NotFound
            << "write input (file open): AIRPORT NAME NOT FOUND";
        QTest::newRow("whole name must match") << file << "NAME" << Outcome::NotFound
                                               << "write input (file open): AIRPORT NAME NOT FOUND";
        QTest::newRow("spaces around the key are ignored")
            << file << "  NAME ONE  " << Outcome::Found << "write output (file open): EGLL";
        QTest::newRow("name as last field is never found")
            << QByteArray("A|EGLL|NAME ONE") << "NAME ONE" << Outcome::NotFound
            << "write input (file open): AIRPORT NAME NOT FOUND";
        QTest::newRow("comma in the name is never found")
            << QByteArray("A|EGLL|LONDON, CITY|\n") << "LONDON, CITY" << Outcome::NotFound
            << "write input (file open): AIRPORT NAME NOT FOUND";
        QTest::newRow("empty key finds an empty name")
            << QByteArray("A|EGLL|X|\nA|LSZH||X\n") << " " << Outcome::Found
            << "write output (file open): LSZH";
        QTest::newRow("first match wins") << QByteArray("A|EGLL|SAME|\nA|LSZH|same|\n") << "SAME"
                                          << Outcome::Found << "write output (file open): EGLL";
        QTest::newRow("positions 1, 2 and 7 are not examined")
            << QByteArray("xxegllxNAME|\n") << "NAME" << Outcome::Found
            << "write output (file open): EGLL";
        QTest::newRow("a key holding | can match across fields")
            << QByteArray("A|EGLL|a|b|\n") << "A|B" << Outcome::Found
            << "write output (file open): EGLL";
        QTest::newRow("windows-1252 record") << QByteArray("A|LSZH|Z\xFCrich|\n") << "ZÜRICH"
                                             << Outcome::Found << "write output (file open): LSZH";
        QTest::newRow("non-ascii marker shifts no position")
            << QByteArray("Ä|EDDM|München|\n") << "MÜNCHEN" << Outcome::Found
            << "write output (file open): EDDM";
        QTest::newRow("dotless i upper-cases to I")
            << QByteArray("A|LTBA|\xC4\xB1STANBUL|\n") << "ISTANBUL" << Outcome::Found
            << "write output (file open): LTBA";
        QTest::newRow("long s upper-cases to S")
            << QByteArray("A|EKSB|\xC5\xBFonderborg|\n") << "SONDERBORG" << Outcome::Found
            << "write output (file open): EKSB";
        QTest::newRow("accented record letter against plain key")
            << QByteArray("A|LSZH|Zürich|\n") << "ZURICH" << Outcome::NotFound
            << "write input (file open): AIRPORT NAME NOT FOUND";
        QTest::newRow("short items never match")
            << QByteArray("A|EGL\n\nA|E|N|\n") << "N" << Outcome::NotFound
            << "write input (file open): AIRPORT NAME NOT FOUND";
        QTest::newRow("short code is shown as it stands")
            << QByteArray("A|EG|NAME|\n") << "NAME" << Outcome::NotFound
            << "write input (file open): AIRPORT NAME NOT FOUND";
        QTest::newRow("CRLF file") << QByteArray("A|EGLL|NAME|\r\n") << "NAME" << Outcome::Found
                                   << "write output (file open): EGLL";
    }
    void nameToCode() { runLookup(&icao::nameToCode); }

    void nameKeyHasNoLengthLimit() {
        const QByteArray name(40000, 'N');
        const auto path = fixtures::writeDataFile(*dir_, "A|EGLL|" + name + "|\n");
        QStringList transcript;
        RecordingBox input("input", transcript, path, QString::fromLatin1(name));
        RecordingBox output("output", transcript, path);
        const auto result = icao::nameToCode(input, output, path);
        QVERIFY(result);
        QCOMPARE(*result, Outcome::Found);
        QCOMPARE(output.text(), QString("EGLL"));
    }

    void failedOpenChangesNoBox_data() {
        QTest::addColumn<bool>("codeToName");
        QTest::newRow("code to name") << true;
        QTest::newRow("name to code") << false;
    }
    void failedOpenChangesNoBox() {
        QFETCH(bool, codeToName);
        const auto path = icao::dataFilePath(fixtures::folderOf(*dir_));
        QStringList transcript;
        RecordingBox input("input", transcript, path, "EGLL");
        RecordingBox output("output", transcript, path, "kept");
        const auto result = codeToName ? icao::codeToName(input, output, path)
                                       : icao::nameToCode(input, output, path);
        QVERIFY(!result);
        QCOMPARE(result.error().path, path);
        QCOMPARE(transcript, QStringList{"read input"});
        QCOMPARE(output.text(), QString("kept"));
        QVERIFY(!input.locked() && !output.locked());
    }

    void failedReadLeavesBoxesLockedAndClosesTheFile() {
        const auto path = icao::dataFilePath(fixtures::folderOf(*dir_));
        std::filesystem::create_symlink("/proc/self/mem", path);
        QStringList transcript;
        RecordingBox input("input", transcript, path, "EGLL");
        RecordingBox output("output", transcript, path, "kept");
        const auto result = icao::codeToName(input, output, path);
        QVERIFY(!result);
        QCOMPARE(QString::fromStdString(result.error().reason),
                 QString("cannot be read (Input/output error)"));
        QVERIFY(input.locked() && output.locked());
        QCOMPARE(output.text(), QString("kept"));
        QVERIFY(!fixtures::isOpenHere(path));
    }
};

QTEST_GUILESS_MAIN(LookupsTest)
#include "tst_lookups.moc"
