#include "lookup/answers.h"
#include "lookup/data_check.h"
#include "lookup/data_file.h"
#include "support/fixtures.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

Q_DECLARE_METATYPE(icao::Outcome)

namespace {

QByteArray randomBytes(qsizetype size) {
    QRandomGenerator random(20261207);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random.bounded(256));
    }
    return bytes;
}

QString answerText(const icao::Expected<icao::Answer>& answer) {
    return answer ? QString::fromStdU32String(answer->shown)
                  : "error: " + QString::fromStdString(answer.error().reason);
}

} // namespace

// Whatever the data file holds, a search ends with a defined answer or a clear error.
class BadInputTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir* dir_ = nullptr;

  private slots:
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    void everyFileGivesAnAnswer_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("codeAnswer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("nameAnswer");
        const QByteArray tail = "\nA|LSZH|ZURICH|\n";
        QTest::newRow("binary file") << randomBytes(1 << 20) + tail << "LSZH"
                                     << "ZURICH"
                                     << "ZURICH"
                                     << "LSZH";
        QTest::newRow("NUL bytes") << QByteArray("A|E\0LL|N\0ME|\n", 13) + tail << "LSZH"
                                   << "ZURICH"
                                   << "N"
                                   << "AIRPORT NAME NOT FOUND";
        QTest::newRow("invalid UTF-8") << QByteArray("A|EGLL|\xC3\x28\xFF|\n") + tail << "EGLL"
                                       << "Ã(ÿ"
                                       << "Ã(Ÿ"
                                       << "EGLL";
        QTest::newRow("truncated UTF-8 at the end") << QByteArray(tail + "A|EGLL|Z\xC3") << "EGLL"
                                                    << "ZÃ"
                                                    << "ZURICH"
                                                    << "LSZH";
        QTest::newRow("lone CR") << QByteArray("A|EGLL|HEATHROW|\rA|LSZH|ZURICH|") << "LSZH"
                                 << "ZURICH"
                                 << "HEATHROW"
                                 << "EGLL";
        QTest::newRow("100,000 blank lines") << QByteArray(100000, '\n') + tail << "LSZH"
                                             << "ZURICH"
                                             << ""
                                             << "AIRPORT NAME NOT FOUND";
        QTest::newRow("unclosed double quote at the end")
            << QByteArray(tail + "\"A|EGLL|HEATHROW|\n") << "EGLL"
            << "HEATHROW"
            << "HEATHROW"
            << "EGLL";
        QTest::newRow("only a double quote") << QByteArray("\"") << "EGLL"
                                             << "ICAO CODE NOT FOUND"
                                             << "X"
                                             << "AIRPORT NAME NOT FOUND";
    }
    void everyFileGivesAnAnswer() {
        QFETCH(QByteArray, content);
        QFETCH(QString, code);
        QFETCH(QString, codeAnswer);
        QFETCH(QString, name);
        QFETCH(QString, nameAnswer);
        const auto path = fixtures::writeDataFile(*dir_, content);
        using icao::KeyEntry;
        QCOMPARE(answerText(icao::answerCode(fixtures::text(code), KeyEntry::Pasted, path)),
                 codeAnswer);
        QCOMPARE(answerText(icao::answerName(fixtures::text(name), KeyEntry::Pasted, path)),
                 nameAnswer);
        QVERIFY(icao::checkDataFile(path));
    }

    void fileChangedAfterTheCheckIsAnError_data() {
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("reason");
        QTest::newRow("removed") << "nothing"
                                 << "cannot be opened (No such file or directory)";
        QTest::newRow("folder") << "folder"
                                << "is not an ordinary file";
        QTest::newRow("named pipe") << "pipe"
                                    << "is not an ordinary file";
    }
    void fileChangedAfterTheCheckIsAnError() {
        QFETCH(QString, replacement);
        QFETCH(QString, reason);
        const auto path = fixtures::writeDataFile(*dir_, "A|EGLL|X|\n");
        QVERIFY(icao::dataFileCheck(fixtures::folderOf(*dir_)));
        std::filesystem::remove(path);
        if (replacement == "folder") {
            std::filesystem::create_directory(path);
        } else if (replacement == "pipe") {
            QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
        }
        for (const auto& answer : {icao::answerCode(U"EGLL", icao::KeyEntry::Pasted, path),
                                   icao::answerName(U"X", icao::KeyEntry::Pasted, path)}) {
            QVERIFY(!answer);
            QCOMPARE(QString::fromStdString(answer.error().reason), reason);
        }
        const auto report = icao::checkDataFile(path);
        QVERIFY(!report);
        QCOMPARE(QString::fromStdString(report.error().reason), reason);
    }
};

QTEST_GUILESS_MAIN(BadInputTest)
#include "tst_bad_input.moc"
