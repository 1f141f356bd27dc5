#include "lookup/data_file.h"
#include "lookup/item_end.h"
#include "lookup/simd.h"
#include "support/fixtures.h"

#include <QRandomGenerator>
#include <QTest>
#include <sys/stat.h>

using icao::DataFile;

namespace {

QByteArrayList readAll(const std::filesystem::path& path,
                       std::size_t readBlock = DataFile::kReadBlock) {
    auto file = DataFile::open(path, readBlock);
    if (!file) {
        qFatal("open failed: %s", file.error().describe().c_str());
    }
    QByteArrayList items;
    const auto error = file->forEachItem([&items](const icao::FileItem& item) {
        items.append(QByteArray(item.bytes.data(), static_cast<qsizetype>(item.bytes.size())));
    });
    if (error) {
        qFatal("read failed: %s", error->describe().c_str());
    }
    return items;
}

} // namespace

class DataFileTest : public QObject {
    Q_OBJECT

  private slots:
    void itemsFollowFreeFormInput_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArrayList>("items");
        QTest::newRow("empty file") << QByteArray() << QByteArrayList{};
        QTest::newRow("line end") << QByteArray("A|EGLL|N|\n") << QByteArrayList{"A|EGLL|N|"};
        QTest::newRow("last line without line end")
            << QByteArray("a\nb") << QByteArrayList{"a", "b"};
        QTest::newRow("blank line inside")
            << QByteArray("a\n\nb\n") << QByteArrayList{"a", "", "b"};
        QTest::newRow("only a line end") << QByteArray("\n") << QByteArrayList{""};
        QTest::newRow("two final line ends") << QByteArray("a\n\n") << QByteArrayList{"a", ""};
        QTest::newRow("comma splits a line")
            << QByteArray("A|X|London, City|\nb") << QByteArrayList{"A|X|London", " City|", "b"};
        QTest::newRow("comma before line end")
            << QByteArray("a,\nb") << QByteArrayList{"a", "", "b"};
        QTest::newRow("comma at end of file") << QByteArray("a,") << QByteArrayList{"a", ""};
        QTest::newRow("CRLF line ends")
            << QByteArray("a\r\nb\r\n\r\nc\r\n") << QByteArrayList{"a", "b", "", "c"};
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb") << QByteArrayList{"a", "b"};
        QTest::newRow("quoted item keeps commas")
            << QByteArray("\"a,b\"\nc") << QByteArrayList{"a,b", "c"};
        QTest::newRow("text after closing quote is dropped")
            << QByteArray("\"a\"xyz,b\n") << QByteArrayList{"a", "b"};
        QTest::newRow("quoted item spans a line end")
            << QByteArray("\"a\nb\"\nc") << QByteArrayList{"a\nb", "c"};
        QTest::newRow("unclosed quote runs to end of file")
            << QByteArray("x\n\"abc,def\n") << QByteArrayList{"x", "abc,def\n"};
        QTest::newRow("quote inside an item is kept")
            << QByteArray("a\"b\"\n") << QByteArrayList{"a\"b\""};
        QTest::newRow("byte-order mark skipped") << QByteArray("\xEF\xBB\xBF"
                                                               "A|EGLL|\n")
                                                 << QByteArrayList{"A|EGLL|"};
        QTest::newRow("byte-order mark alone") << QByteArray("\xEF\xBB\xBF") << QByteArrayList{};
        QTest::newRow("NUL bytes are characters")
            << QByteArray("a\0b\n", 4) << QByteArrayList{QByteArray("a\0b", 3)};
    }
    void itemsFollowFreeFormInput() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArrayList, items);
        fixtures::DataFolder folder;
        const auto path = folder.write(content);
        // Tiny reads put a block boundary at every place in the file.
        for (std::size_t block : {DataFile::kReadBlock, std::size_t(1), std::size_t(2),
                                  std::size_t(3), std::size_t(5)}) {
            QCOMPARE(readAll(path, block), items);
        }
    }

    void itemsKnowTheirLine() {
        fixtures::DataFolder folder;
        const auto path = folder.write("a,b\r\n\r\n\"c\nd\"\re\rf,\n\"g\"x,h\n");
        for (std::size_t block : {DataFile::kReadBlock, std::size_t(1), std::size_t(2)}) {
            QStringList seen;
            const auto error =
                icao::DataFile::open(path, block)->forEachItem([&](const auto& item) {
                    seen.append(
                        QString::number(item.line) + ":" +
                        QString::fromLatin1(item.bytes.data(), qsizetype(item.bytes.size())) +
                        (item.quoted ? " (quoted)" : ""));
                });
            QVERIFY(!error);
            QCOMPARE(seen, (QStringList{"1:a", "1:b", "2:", "3:c\nd (quoted)", "5:e", "6:f",
                                        "6:", "7:g (quoted)", "7:h"}));
        }
    }

    void itemLoopStopsWhenAskedTo() {
        fixtures::DataFolder folder;
        auto file = DataFile::open(folder.write("a\nb\nc\n"));
        QByteArrayList seen;
        QVERIFY(!file->forEachItem([&seen](const icao::FileItem& item) {
            seen.append(QByteArray(item.bytes.data(), qsizetype(item.bytes.size())));
            return item.bytes != "b";
        }));
        QCOMPARE(seen, (QByteArrayList{"a", "b"}));
        QCOMPARE(file->nextItem().value_or("none"), std::string_view("c"));
    }

    // Whichever search the processor picks finds the same item end as the plain loop.
    void itemEndSearchesAgree() {
        QRandomGenerator random(7);
        const char alphabet[] = "ab,\n\r|\xC3";
        for (int round = 0; round < 2000; ++round) {
            std::string bytes(random.bounded(100), 'x');
            for (char& byte : bytes) {
                byte = random.bounded(8) == 0 ? alphabet[random.bounded(8)] : 'x';
            }
            const char* begin =
                bytes.data() + (bytes.empty() ? 0 : random.bounded(int(bytes.size())));
            const char* end = bytes.data() + bytes.size();
            const char* expected = icao::detail::findItemEndScalar(begin, end);
            QCOMPARE(icao::detail::findItemEnd(begin, end), expected);
            if (icao::simd::kAvx2) {
                QCOMPARE(icao::detail::findItemEndAvx2(begin, end), expected);
            }
        }
    }

    void itemsCrossReadBlocks() {
        QByteArray content;
        QByteArrayList expected;
        for (int i = 0; i < 50000; ++i) {
            const QByteArray item = "M|K" + QByteArray::number(i) + "|Airport number|";
            content += item + (i % 7 == 0 ? "\r\n" : "\n");
            expected.append(item);
        }
        fixtures::DataFolder folder;
        QCOMPARE(readAll(folder.write(content)), expected);
    }

    void longItemIsCutAndSkipped_data() {
        QTest::addColumn<QByteArray>("quote");
        QTest::newRow("plain") << QByteArray();
        QTest::newRow("quoted") << QByteArray("\"");
    }
    void longItemIsCutAndSkipped() {
        QFETCH(QByteArray, quote);
        fixtures::DataFolder folder;
        const QByteArray longItem(DataFile::kMaxItemBytes * 3 + 17, 'x');
        QCOMPARE(readAll(folder.write("first\n" + quote + longItem + quote + "\nlast\n")),
                 (QByteArrayList{"first", longItem.left(DataFile::kMaxItemBytes), "last"}));
        // A two-byte character straddling the cut goes whole, so the kept bytes stay UTF-8.
        const QByteArray straddling = QByteArray(DataFile::kMaxItemBytes - 1, 'x') + "\xC3\xA9t";
        QCOMPARE(readAll(folder.write(quote + straddling)),
                 QByteArrayList{QByteArray(DataFile::kMaxItemBytes - 1, 'x')});
    }

    void dataFileCheckWantsAnOrdinaryFile() {
        fixtures::DataFolder folder;
        QVERIFY(!icao::dataFileCheck(folder.path()));
        folder.write({});
        QVERIFY(icao::dataFileCheck(folder.path()));

        fixtures::DataFolder other;
        std::filesystem::create_directory(other.dataFile());
        QVERIFY(!icao::dataFileCheck(other.path()));
    }

    void openRefusesWhatIsNoOrdinaryFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing"
                                 << "cannot be opened (No such file or directory)";
        QTest::newRow("folder") << "folder"
                                << "is not an ordinary file";
        QTest::newRow("named pipe") << "pipe"
                                    << "is not an ordinary file";
    }
    void openRefusesWhatIsNoOrdinaryFile() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        fixtures::DataFolder folder;
        const auto path = folder.dataFile();
        if (kind == "folder") {
            std::filesystem::create_directory(path);
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
        }
        const auto file = DataFile::open(path);
        QVERIFY(!file);
        QCOMPARE(file.error().path, path);
        QCOMPARE(QString::fromStdString(file.error().reason), reason);
        QCOMPARE(icao::forEachItem(path, [](const icao::FileItem&) {}),
                 std::optional(file.error()));
    }

    void failedReadIsReported() {
        // Reading this file at its start fails with an I/O error, as a failing disk would.
        fixtures::DataFolder folder;
        std::filesystem::create_symlink("/proc/self/mem", folder.dataFile());
        auto file = DataFile::open(folder.dataFile());
        QVERIFY(file);
        QVERIFY(!file->nextItem());
        QCOMPARE(QString::fromStdString(file->error()->describe()),
                 QString::fromStdString(folder.dataFile().string()) +
                     ": cannot be read (Input/output error)");
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "tst_data_file.moc"
