#include "lookup/lookups.h"
#include "support/fixtures.h"
#include "support/recording_box.h"

#include <QTest>

using fixtures::RecordingBox;
using icao::Outcome;

Q_DECLARE_METATYPE(icao::Outcome)

namespace {

// What a lookup does to its boxes: it reads the input, locks both boxes once the file is
// open, then writes, each write noted as "input: TEXT" or "output: TEXT".
QStringList expectedTranscript(const QString& writes) {
    QStringList transcript{"read input", "lock input (file open)", "lock output (file open)"};
    for (const QString& write : writes.split('|', Qt::SkipEmptyParts)) {
        const auto [box, text] = std::pair(write.section(": ", 0, 0), write.section(": ", 1));
        transcript.append("write " + box + " (file open): " + text);
    }
    return transcript;
}

} // namespace

class LookupsTest : public QObject {
    Q_OBJECT

  private:
    using Lookup = icao::Expected<Outcome> (*)(icao::Box&, icao::Box&,
                                               const std::filesystem::path&);

    void addColumns() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("writes");
    }

    void runLookup(Lookup lookup) {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(Outcome, outcome);
        QFETCH(QString, writes);
        fixtures::DataFolder folder;
        const auto path = folder.write(content);
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
    void codeToName_data() {
        addColumns();
        const QByteArray file = "A|EGLL|NAME ONE|X|Y\nB|LSZH|Zürich Airport|\n";
        const QString notFound = "output: ICAO CODE NOT FOUND";
        QTest::newRow("found shows code then name")
            << file << "EGLL" << Outcome::Found << "output: EGLL|output: NAME ONE";
        QTest::newRow("spaces around the key are ignored")
            << file << "  LSZH " << Outcome::Found << "output: LSZH|output: Zürich Airport";
        QTest::newRow("letter case counts") << file << "egll" << Outcome::NotFound << notFound;
        QTest::newRow("a tab is part of the key")
            << file << "EGLL\t" << Outcome::NotFound << notFound;
        QTest::newRow("short key misses records") << file << "EGL" << Outcome::NotFound << notFound;
        QTest::newRow("empty file") << QByteArray() << "EGLL" << Outcome::NotFound << notFound;
        QTest::newRow("two fields show the code")
            << QByteArray("A|EGLL") << "EGLL" << Outcome::Found << "output: EGLL";
        QTest::newRow("first match wins") << QByteArray("A|EGLL|FIRST|\nA|EGLL|SECOND|\n") << "EGLL"
                                          << Outcome::Found << "output: EGLL|output: FIRST";
        QTest::newRow("positions 2 and 7 are not examined")
            << QByteArray("AxEGLLyNAME|Z|\n") << "EGLL" << Outcome::Found << "output: Z|output: ";
        QTest::newRow("no separator writes nothing")
            << QByteArray("AxEGLLy\n") << "EGLL" << Outcome::Found << "";
        QTest::newRow("short key matches the end of a short item")
            << QByteArray("A|EGLL|X|\nA|EG\n") << "EG" << Outcome::Found << "output: EG";
        QTest::newRow("empty key matches a blank line, writing nothing")
            << QByteArray("A|EGLL|X|\n\nB|LSZH|Y|\n") << "  " << Outcome::Found << "";
        QTest::newRow("empty key and X| writes the empty field")
            << QByteArray("A|EGLL|X|\nX|\n") << "" << Outcome::Found << "output: ";
        QTest::newRow("empty key without short item misses")
            << file << "" << Outcome::NotFound << notFound;
        QTest::newRow("comma cuts the name") << QByteArray("A|EGLL|London, Heathrow|\n") << "EGLL"
                                             << Outcome::Found << "output: EGLL|output: London";
        QTest::newRow("windows-1252 record") << QByteArray("\xC4|LSZH|Z\xFCrich|\n") << "LSZH"
                                             << Outcome::Found << "output: LSZH|output: Zürich";
        QTest::newRow("non-ascii code") << QByteArray("A|ÅÄÖÜ|Nordic|\n") << "ÅÄÖÜ"
                                        << Outcome::Found << "output: ÅÄÖÜ|output: Nordic";
    }
    void codeToName() { runLookup(&icao::codeToName); }

    void nameToCode_data() {
        addColumns();
        const QByteArray file = "A|EGLL|NAME ONE|X\nB|lszh|Zürich Airport|\n";
        const QString notFound = "input: AIRPORT NAME NOT FOUND";
        QTest::newRow("found writes the code")
            << file << "NAME ONE" << Outcome::Found << "output: EGLL";
        QTest::newRow("record side is upper-cased, code too")
            << file << "ZÜRICH AIRPORT" << Outcome::Found << "output: LSZH";
        QTest::newRow("key is not upper-cased")
            << file << "Name One" << Outcome::NotFound << notFound;
        QTest::newRow("whole name must match") << file << "NAME" << Outcome::NotFound << notFound;
        QTest::newRow("spaces around the key are ignored")
            << file << "  NAME ONE  " << Outcome::Found << "output: EGLL";
        QTest::newRow("name as last field is never found")
            << QByteArray("A|EGLL|NAME ONE") << "NAME ONE" << Outcome::NotFound << notFound;
        QTest::newRow("comma in the name is never found")
            << QByteArray("A|EGLL|LONDON, CITY|\n") << "LONDON, CITY" << Outcome::NotFound
            << notFound;
        QTest::newRow("empty key finds an empty name")
            << QByteArray("A|EGLL|X|\nA|LSZH||X\n") << " " << Outcome::Found << "output: LSZH";
        QTest::newRow("first match wins") << QByteArray("A|EGLL|SAME|\nA|LSZH|same|\n") << "SAME"
                                          << Outcome::Found << "output: EGLL";
        QTest::newRow("positions 1, 2 and 7 are not examined")
            << QByteArray("xxegllxNAME|\n") << "NAME" << Outcome::Found << "output: EGLL";
        QTest::newRow("a key holding | can match across fields")
            << QByteArray("A|EGLL|a|b|\n") << "A|B" << Outcome::Found << "output: EGLL";
        QTest::newRow("windows-1252 record")
            << QByteArray("A|LSZH|Z\xFCrich|\n") << "ZÜRICH" << Outcome::Found << "output: LSZH";
        QTest::newRow("non-ascii marker shifts no position")
            << QByteArray("Ä|EDDM|München|\n") << "MÜNCHEN" << Outcome::Found << "output: EDDM";
        QTest::newRow("dotless i upper-cases to I")
            << QByteArray("A|LTBA|\xC4\xB1STANBUL|\n") << "ISTANBUL" << Outcome::Found
            << "output: LTBA";
        QTest::newRow("long s upper-cases to S")
            << QByteArray("A|EKSB|\xC5\xBFonderborg|\n") << "SONDERBORG" << Outcome::Found
            << "output: EKSB";
        QTest::newRow("accented record letter against plain key")
            << QByteArray("A|LSZH|Zürich|\n") << "ZURICH" << Outcome::NotFound << notFound;
        QTest::newRow("short items never match")
            << QByteArray("A|EGL\n\nA|E|N|\n") << "N" << Outcome::NotFound << notFound;
    }
    void nameToCode() { runLookup(&icao::nameToCode); }

    void nameKeyHasNoLengthLimit() {
        fixtures::DataFolder folder;
        const QByteArray name(40000, 'N');
        const auto path = folder.write("A|EGLL|" + name + "|\n");
        QStringList transcript;
        RecordingBox input("input", transcript, path, QString::fromLatin1(name));
        RecordingBox output("output", transcript, path);
        QCOMPARE(icao::nameToCode(input, output, path).hasValue(), true);
        QCOMPARE(output.text(), QString("EGLL"));
    }

    void failedOpenChangesNoBox_data() {
        QTest::addColumn<bool>("codeToName");
        QTest::newRow("code to name") << true;
        QTest::newRow("name to code") << false;
    }
    void failedOpenChangesNoBox() {
        QFETCH(bool, codeToName);
        fixtures::DataFolder folder;
        const auto path = folder.dataFile();
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
        fixtures::DataFolder folder;
        const auto path = folder.dataFile();
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
