#include "lookup/data_file.h"
#include "lookup/item_batches.h"
#include "lookup/item_end.h"
#include "support/fixtures.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using icao::DataFile;

class DataFileTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir* dir_ = nullptr;

    QByteArrayList readAll(const std::filesystem::path& path,
                           std::size_t readBlock = DataFile::kReadBlock) {
        auto file = DataFile::open(path, readBlock);
        if (!file) {
            qFatal("open failed: %s", file.error().describe().c_str());
        }
        QByteArrayList items;
        while (const auto item = file->nextItem()) {
            items.append(QByteArray(item->data(), static_cast<qsizetype>(item->size())));
        }
        if (file->error()) {
            qFatal("read failed: %s", file->error()->describe().c_str());
        }
        return items;
    }

  private slots:
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    void itemsFollowFreeFormInput_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArrayList>("items");
        const QByteArray record = "A|EGLL|NAME|";
        QTest::newRow("empty file") << QByteArray() << QByteArrayList{};
        QTest::newRow("one line with line end")
            << QByteArray(record + "\n") << QByteArrayList{record};
        QTest::newRow("last line without line end")
            << QByteArray(record + "\nB|LSZH|ZURICH|") << QByteArrayList{record, "B|LSZH|ZURICH|"};
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
        const auto path = fixtures::writeDataFile(*dir_, content);
        // Tiny reads put a block boundary at every place in the file.
        for (std::size_t block : {DataFile::kReadBlock, std::size_t(1), std::size_t(2),
                                  std::size_t(3), std::size_t(5)}) {
            QCOMPARE(readAll(path, block), items);
        }
    }

    void itemsKnowTheirLine() {
        const auto path = fixtures::writeDataFile(*dir_, "a,b\r\n\r\n\"c\nd\"\re\rf,\n\"g\"x,h\n");
        for (std::size_t block : {DataFile::kReadBlock, std::size_t(1), std::size_t(2)}) {
            auto file = DataFile::open(path, block);
            QVERIFY(file);
            QStringList seen;
            while (const auto item = file->nextItem()) {
                seen.append(QString::number(file->line()) + ":" +
                            QString::fromLatin1(item->data(), qsizetype(item->size())) +
                            (file->quoted() ? " (quoted)" : ""));
            }
            QCOMPARE(seen, (QStringList{"1:a", "1:b", "2:", "3:c\nd (quoted)", "5:e", "6:f",
                                        "6:", "7:g (quoted)", "7:h"}));
        }
    }

    // Every way of finding an item's end, whichever the processor picks, finds the same byte.
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
#if defined(__SSE2__)
            QCOMPARE(icao::detail::findItemEndSse2(begin, end), expected);
#endif
#if defined(ICAO_ITEM_END_AVX2)
            if (icao::detail::kHasAvx2) {
                QCOMPARE(icao::detail::findItemEndAvx2(begin, end), expected);
            }
#endif
        }
    }

    void itemsCrossReadBlocks() {
        QByteArray content;
        QByteArrayList expected;
        for (int i = 0; i < 50000; ++i) {
            const QByteArray item = "M|K" + QByteArray::number(i).rightJustified(3, '0') +
                                    "|Airport number " + QByteArray::number(i) + "|";
            content += item + (i % 7 == 0 ? "\r\n" : "\n");
            expected.append(item);
        }
        QCOMPARE(readAll(fixtures::writeDataFile(*dir_, content)), expected);
    }

    // Batches of every size, from one item up to more than the file holds, searched on two
    // threads at once: every item comes back once, with its line, in file order.
    void batchesHandBackEveryItemInOrder() {
        QByteArray content;
        QByteArrayList expected;
        for (int i = 0; i < 400; ++i) {
            const QByteArray item = "M|B" + QByteArray::number(i) + "|Batch field|";
            content += item + (i % 5 == 0 ? ",\"quoted\"\n" : "\n");
            expected.append(item + "@" + QByteArray::number(i + 1));
            if (i % 5 == 0) {
                expected.append("quoted@" + QByteArray::number(i + 1));
            }
        }
        const auto path = fixtures::writeDataFile(*dir_, content);
        for (const std::size_t perBatch : {1, 3, 64, 1000}) {
            const auto search = [](const icao::ItemBatch& batch, std::size_t) {
                QByteArrayList items;
                for (const auto& item : batch.items) {
                    const auto bytes = batch.bytesOf(item);
                    items.append(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())) +
                                 "@" + QByteArray::number(item.line));
                }
                return items;
            };
            const auto batches = icao::searchInBatches<QByteArrayList>(path, search, perBatch);
            QVERIFY(batches);
            QByteArrayList items;
            for (const auto& batch : *batches) {
                QVERIFY(batch.size() <= static_cast<qsizetype>(perBatch));
                items += batch;
            }
            QCOMPARE(items, expected);
        }
        const auto missing =
            icao::searchInBatches<int>(dir_->filePath("missing").toStdString(),
                                       [](const icao::ItemBatch&, std::size_t) { return 0; });
        QVERIFY(!missing);
    }

    void longItemIsCutAndSkipped_data() {
        QTest::addColumn<QByteArray>("quote");
        QTest::newRow("plain") << QByteArray();
        QTest::newRow("quoted") << QByteArray("\"");
    }
    void longItemIsCutAndSkipped() {
        QFETCH(QByteArray, quote);
        const QByteArray longItem(DataFile::kMaxItemBytes * 3 + 17, 'x');
        const auto items = readAll(
            fixtures::writeDataFile(*dir_, "first\n" + quote + longItem + quote + "\nlast\n"));
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0], QByteArray("first"));
        QCOMPARE(items[1], longItem.left(DataFile::kMaxItemBytes));
        QCOMPARE(items[2], QByteArray("last"));
    }

    void cutItemKeepsWholeCharacters() {
        // A two-byte character straddles the cut, so the kept bytes stay valid UTF-8.
        const QByteArray longItem = QByteArray(DataFile::kMaxItemBytes - 1, 'x') + "\xC3\xA9tail";
        const auto items = readAll(fixtures::writeDataFile(*dir_, longItem));
        QCOMPARE(items, QByteArrayList{QByteArray(DataFile::kMaxItemBytes - 1, 'x')});
    }

    void dataFileCheckWantsAnOrdinaryFile() {
        const auto folder = fixtures::folderOf(*dir_);
        QVERIFY(!icao::dataFileCheck(folder));
        fixtures::writeDataFile(*dir_, {});
        QVERIFY(icao::dataFileCheck(folder));

        QTemporaryDir other;
        std::filesystem::create_directory(icao::dataFilePath(fixtures::folderOf(other)));
        QVERIFY(!icao::dataFileCheck(fixtures::folderOf(other)));
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
        const auto path = icao::dataFilePath(fixtures::folderOf(*dir_));
        if (kind == "folder") {
            std::filesystem::create_directory(path);
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
        }
        const auto file = DataFile::open(path);
        QVERIFY(!file);
        QCOMPARE(file.error().path, path);
        QCOMPARE(QString::fromStdString(file.error().reason), reason);
    }

    void failedReadIsReported() {
        // Reading this file at its start fails with an I/O error, as a failing disk would.
        const auto path = icao::dataFilePath(fixtures::folderOf(*dir_));
        std::filesystem::create_symlink("/proc/self/mem", path);
        auto file = DataFile::open(path);
        QVERIFY(file);
        QVERIFY(!file->nextItem());
        QVERIFY(file->error());
        QCOMPARE(QString::fromStdString(file->error()->describe()),
                 QString::fromStdString(path.string()) + ": cannot be read (Input/output error)");
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "tst_data_file.moc"
