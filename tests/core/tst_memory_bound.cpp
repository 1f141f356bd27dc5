#include "lookup/answers.h"
#include "lookup/data_check.h"
#include "support/fixtures.h"

#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sys/resource.h>

namespace {

constexpr long kMiB = 1024 * 1024;

long peakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss * 1024;
}

} // namespace

// A search never holds the whole file: a 200 MB file without a line end (one huge item)
// leaves the process's peak memory well below the file's size.
class MemoryBoundTest : public QObject {
    Q_OBJECT

  private slots:
    void hugeOneLineFileKeepsMemoryBounded() {
        QTemporaryDir dir;
        const auto path = icao::dataFilePath(fixtures::folderOf(dir));
        {
            std::ofstream out(path, std::ios::binary);
            const std::string block = "A|EGLL|" + std::string(kMiB - 7, 'x');
            for (int i = 0; i < 200; ++i) {
                out << block;
            }
        }
        QCOMPARE(std::filesystem::file_size(path), std::uintmax_t(200 * kMiB));
        const long before = peakResidentBytes();

        const auto code = icao::answerCode(U"EGLL", icao::KeyEntry::Pasted, path);
        QVERIFY(code);
        QCOMPARE(code->outcome, icao::Outcome::Found);
        QCOMPARE(code->shown.size(), icao::kMaxItemCharacters - 7);
        const auto name = icao::answerName(U"NOWHERE", icao::KeyEntry::Pasted, path);
        QVERIFY(name);
        QCOMPARE(name->outcome, icao::Outcome::NotFound);
        const auto report = icao::checkDataFile(path);
        QVERIFY(report);
        QCOMPARE(report->items, std::size_t(1));

        const long grown = peakResidentBytes() - before;
        qInfo("peak memory grew by %ld KiB", grown / 1024);
        QVERIFY2(grown < 64 * kMiB, qPrintable(QString::number(grown / kMiB) + " MiB"));
    }
};

QTEST_GUILESS_MAIN(MemoryBoundTest)
#include "tst_memory_bound.moc"
