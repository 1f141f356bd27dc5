// SPDX-License-Identifier: MIT
#include "lookup/answers.h"
#include "lookup/data_audit.h"
#include "lookup/data_file.h"
#include "support/fixtures.h"

#include <QTest>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

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
        QTest::newRow("only a line end") << QByteArray("\n") << QByteArrayList{""};
        QTest::newRow("blank lines; no item after the last line end")
            << QByteArray("a\n\nb\n\n") << QByteArrayList{"a", "", "b", ""};
        QTest::newRow("commas: inside, before a line end, at the end")
            << QByteArray("A|X|London, City|\na,\nb,")
            << QByteArrayList{"A|X|London", " City|", "a", "", "b", ""};
        QTest::newRow("CRLF and lone CR")
            << QByteArray("a\r\nb\r\n\r\nc\rd") << QByteArrayList{"a", "b", "", "c", "d"};
        QTest::newRow("quotes keep commas and line ends, drop what follows the closing one")
            << QByteArray("\"a,b\"xyz,c\n\"d\ne\"\nf\"g\"\n")
            << QByteArrayList{"a,b", "c", "d\ne", "f\"g\""};
        QTest::newRow("unclosed quote runs to end of file")
            << QByteArray("x\n\"abc,def\n") << QByteArrayList{"x", "abc,def\n"};
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
        // A CRLF inside quotes is one line end, also when a block boundary splits it.
        const auto path = folder.write("a,b\r\n\r\n\"c\r\nd\"\re\rf,\n\"g\"x,h\n");
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
            QCOMPARE(seen, (QStringList{"1:a", "1:b", "2:", "3:c\r\nd (quoted)", "5:e", "6:f",
                                        "6:", "7:g (quoted)", "7:h"}));
        }
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

    // What stands at the data file path: the check says yes for an ordinary file only, and
    // the reader, the lookups and the audit all refuse anything else with the same reason.
    void onlyAnOrdinaryFileIsRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ordinary file") << "file"
                                       << "";
        QTest::newRow("missing") << "missing"
                                 << "cannot be opened (No such file or directory)";
        QTest::newRow("folder") << "folder"
                                << "is not an ordinary file";
#ifdef Q_OS_WIN
        // Hidden, it counts as missing, though it could be read.
        QTest::newRow("hidden file") << "hidden"
                                     << "";
#else
        QTest::newRow("named pipe") << "pipe"
                                    << "is not an ordinary file";
#endif
    }
    void onlyAnOrdinaryFileIsRead() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        fixtures::DataFolder folder;
        const auto path = folder.dataFile();
        if (kind == "file") {
            folder.write("A|EGLL|X|\n");
        } else if (kind == "folder") {
            std::filesystem::create_directory(path);
        }
#ifdef Q_OS_WIN
        if (kind == "hidden") {
            folder.write("A|EGLL|X|\n");
            QVERIFY(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
        }
#else
        if (kind == "pipe") {
            QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
        }
#endif
        QCOMPARE(icao::dataFileCheck(folder.path()), kind == "file");
        const auto reasonOf = [](const auto& result) {
            return result ? QString() : QString::fromStdString(result.error().reason);
        };
        QCOMPARE(reasonOf(DataFile::open(path)), reason);
        QCOMPARE(reasonOf(icao::answerCode(U"EGLL", icao::KeyEntry::Pasted, path)), reason);
        QCOMPARE(reasonOf(icao::answerName(U"X", icao::KeyEntry::Pasted, path)), reason);
        QCOMPARE(reasonOf(icao::auditDataFile(path)), reason);
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "tst_data_file.moc"
