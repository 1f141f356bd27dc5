// SPDX-License-Identifier: MIT
#include "lookup/lookups.h"
#include "support/fixtures.h"
#include "support/recording_box.h"

#include <QTest>

using fixtures::RecordingBox;
using icao::Outcome;

namespace {

// What a lookup does to its boxes: it reads the input, locks both boxes once the file is
// open, then writes ("input: TEXT", "output: TEXT") while the file is still open.
QStringList expectedTranscript(const QStringList& writes) {
    return QStringList{"read input", "lock input", "lock output"} + writes;
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
        QTest::addColumn<QStringList>("writes");
    }

    void runLookup(Lookup lookup) {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QStringList, writes);
        fixtures::DataFolder folder;
        const auto path = folder.write(content);
        QStringList transcript;
        RecordingBox input("input", transcript, path, key);
        RecordingBox output("output", transcript, path, "before");
        const auto result = lookup(input, output, path);
        QVERIFY2(result, result ? "" : result.error().describe().c_str());
        QCOMPARE(*result,
                 writes.join("").contains("NOT FOUND") ? Outcome::NotFound : Outcome::Found);
        QCOMPARE(transcript, expectedTranscript(writes));
        QVERIFY(!fixtures::isOpenHere(path));
    }

  private slots:
    void codeToName_data() {
        addColumns();
        const QByteArray file = "A|EGLL|NAME ONE|X|Y\nB|LSZH|Zürich Airport|\n";
        const QStringList notFound{"output: ICAO CODE NOT FOUND"};
        QTest::newRow("found shows code then name")
            << file << "EGLL" << QStringList{"output: EGLL", "output: NAME ONE"};
        QTest::newRow("spaces around the key are ignored")
            << file << "  LSZH " << QStringList{"output: LSZH", "output: Zürich Airport"};
        QTest::newRow("letter case counts") << file << "egll" << notFound;
        QTest::newRow("two fields show the code")
            << QByteArray("A|EGLL") << "EGLL" << QStringList{"output: EGLL"};
        QTest::newRow("first match wins") << QByteArray("A|EGLL|FIRST|\nA|EGLL|SECOND|\n") << "EGLL"
                                          << QStringList{"output: EGLL", "output: FIRST"};
        QTest::newRow("positions 2 and 7 are not examined")
            << QByteArray("AxEGLLyNAME|Z|\n") << "EGLL" << QStringList{"output: Z", "output: "};
        QTest::newRow("no separator writes nothing")
            << QByteArray("AxEGLLy\n") << "EGLL" << QStringList{};
        QTest::newRow("empty key matches a blank line, writing nothing")
            << QByteArray("A|EGLL|X|\n\nB|LSZH|Y|\n") << "  " << QStringList{};
        QTest::newRow("windows-1252 record") << QByteArray("\xC4|LSZH|Z\xFCrich|\n") << "LSZH"
                                             << QStringList{"output: LSZH", "output: Zürich"};
    }
    void codeToName() { runLookup(&icao::codeToName); }

    void nameToCode_data() {
        addColumns();
        const QByteArray file = "A|EGLL|NAME ONE|X\nB|lszh|Zürich Airport|\n";
        const QStringList notFound{"input: AIRPORT NAME NOT FOUND"};
        QTest::newRow("found writes the code") << file << "NAME ONE" << QStringList{"output: EGLL"};
        QTest::newRow("record side is upper-cased, code too")
            << file << "ZÜRICH AIRPORT" << QStringList{"output: LSZH"};
        QTest::newRow("whole name must match") << file << "NAME" << notFound;
        QTest::newRow("name as last field is never found")
            << QByteArray("A|EGLL|NAME ONE") << "NAME ONE" << notFound;
        QTest::newRow("comma in the name is never found")
            << QByteArray("A|EGLL|LONDON, CITY|\n") << "LONDON, CITY" << notFound;
        QTest::newRow("empty key finds an empty name")
            << QByteArray("A|EGLL|X|\nA|LSZH||X\n") << " " << QStringList{"output: LSZH"};
        QTest::newRow("a key holding | can match across fields")
            << QByteArray("A|EGLL|a|b|\n") << "A|B" << QStringList{"output: EGLL"};
        QTest::newRow("non-ascii marker shifts no position")
            << QByteArray("Ä|EDDM|München|\n") << "MÜNCHEN" << QStringList{"output: EDDM"};
        QTest::newRow("dotless i upper-cases to I")
            << QByteArray("A|LTBA|\xC4\xB1STANBUL|\n") << "ISTANBUL" << QStringList{"output: LTBA"};
        QTest::newRow("accented record letter against plain key")
            << QByteArray("A|LSZH|Zürich|\n") << "ZURICH" << notFound;
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

    // A file that cannot be opened leaves the boxes as they were; one that cannot be read
    // leaves them locked. Either way the file ends closed and no box is written.
    void failedFileWritesNoBox_data() {
        QTest::addColumn<bool>("codeToName");
        QTest::addColumn<bool>("opens");
        QTest::newRow("code to name, missing file") << true << false;
        QTest::newRow("name to code, missing file") << false << false;
#ifndef Q_OS_WIN
        QTest::newRow("code to name, read error") << true << true;
#endif
    }
    void failedFileWritesNoBox() {
        QFETCH(bool, codeToName);
        QFETCH(bool, opens);
        fixtures::DataFolder folder;
        const auto path = folder.dataFile();
        if (opens) {
            // Reading this file at its start fails with an I/O error, as a failing disk would.
            std::filesystem::create_symlink("/proc/self/mem", path);
        }
        QStringList transcript;
        RecordingBox input("input", transcript, path, "EGLL");
        RecordingBox output("output", transcript, path, "kept");
        const auto result = codeToName ? icao::codeToName(input, output, path)
                                       : icao::nameToCode(input, output, path);
        QCOMPARE(QString::fromStdString(result ? "" : result.error().describe()),
                 QString::fromStdString(icao::utf8Of(path)) +
                     (opens ? ": cannot be read (Input/output error)"
                            : ": cannot be opened (No such file or directory)"));
        QCOMPARE(transcript, opens ? expectedTranscript({}) : QStringList{"read input"});
        QCOMPARE(output.text(), QString("kept"));
        QVERIFY(!fixtures::isOpenHere(path));
    }
};

QTEST_GUILESS_MAIN(LookupsTest)
#include "tst_lookups.moc"
