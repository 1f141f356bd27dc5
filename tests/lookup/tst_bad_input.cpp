// SPDX-License-Identifier: MIT
#include "lookup/answers.h"
#include "lookup/data_audit.h"
#include "support/fixtures.h"

#include <QRandomGenerator>
#include <QTest>
#ifdef Q_OS_WIN
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

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

long peakResidentKiB() {
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

} // namespace

// Whatever the data file holds, a search ends with a defined answer or a clear error, in
// bounded memory.
class BadInputTest : public QObject {
    Q_OBJECT

  private slots:
    void everyFileGivesAnAnswer_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("codeAndAnswer");
        QTest::addColumn<QStringList>("nameAndAnswer");
        const QByteArray tail = "\nA|LSZH|ZURICH|\n";
        QTest::newRow("binary file") << randomBytes(1 << 20) + tail << QStringList{"LSZH", "ZURICH"}
                                     << QStringList{"ZURICH", "LSZH"};
        QTest::newRow("NUL bytes")
            << QByteArray("A|E\0LL|N\0ME|\n", 13) + tail << QStringList{"LSZH", "ZURICH"}
            << QStringList{"N", "AIRPORT NAME NOT FOUND"};
        QTest::newRow("invalid UTF-8") << QByteArray("A|EGLL|\xC3\x28\xFF|\n") + tail
                                       << QStringList{"EGLL", "Ã(ÿ"} << QStringList{"Ã(Ÿ", "EGLL"};
        QTest::newRow("100,000 blank lines")
            << QByteArray(100000, '\n') + tail << QStringList{"LSZH", "ZURICH"}
            << QStringList{"", "AIRPORT NAME NOT FOUND"};
        QTest::newRow("unclosed double quote at the end")
            << QByteArray(tail + "\"A|EGLL|HEATHROW|\n") << QStringList{"EGLL", "HEATHROW"}
            << QStringList{"HEATHROW", "EGLL"};
        QTest::newRow("only a double quote")
            << QByteArray("\"") << QStringList{"EGLL", "ICAO CODE NOT FOUND"}
            << QStringList{"X", "AIRPORT NAME NOT FOUND"};
    }
    void everyFileGivesAnAnswer() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, codeAndAnswer);
        QFETCH(QStringList, nameAndAnswer);
        fixtures::DataFolder folder;
        const auto path = folder.write(content);
        using icao::KeyEntry;
        const auto code = fixtures::text(codeAndAnswer[0]);
        QCOMPARE(answerText(icao::answerCode(code, KeyEntry::Pasted, path)), codeAndAnswer[1]);
        const auto name = fixtures::text(nameAndAnswer[0]);
        QCOMPARE(answerText(icao::answerName(name, KeyEntry::Pasted, path)), nameAndAnswer[1]);
        QVERIFY(icao::auditDataFile(path));
    }

    // A search never holds the whole file: a 200 MB file without a line end (one huge item)
    // leaves the process's peak memory well below the file's size.
    void hugeOneLineFileKeepsMemoryBounded() {
        fixtures::DataFolder folder;
        {
            std::ofstream out(folder.dataFile(), std::ios::binary);
            const std::string block = "A|EGLL|" + std::string((1 << 20) - 7, 'x');
            for (int i = 0; i < 200; ++i) {
                out << block;
            }
        }
        const auto path = folder.dataFile();
        const long before = peakResidentKiB();
        const auto code = icao::answerCode(U"EGLL", icao::KeyEntry::Pasted, path);
        QVERIFY(code);
        QCOMPARE(code->shown.size(), icao::kMaxItemCharacters - 7);
        QCOMPARE(answerText(icao::answerName(U"NOWHERE", icao::KeyEntry::Pasted, path)),
                 QString("AIRPORT NAME NOT FOUND"));
        QCOMPARE(icao::auditDataFile(path)->items, std::size_t(1));
        const long grownKiB = peakResidentKiB() - before;
        qInfo("peak memory grew by %ld KiB", grownKiB);
        QVERIFY2(grownKiB < 64 * 1024, qPrintable(QString::number(grownKiB) + " KiB"));
    }
};

QTEST_GUILESS_MAIN(BadInputTest)
#include "tst_bad_input.moc"
