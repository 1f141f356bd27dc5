// SPDX-License-Identifier: MIT
#include "lookup/key_filter.h"
#include "lookup/text.h"
#include "lookup/text_views.h"
#include "support/fixtures.h"

#include <QTest>

using fixtures::qstring;
using fixtures::text;

class TextTest : public QObject {
    Q_OBJECT

  private slots:
    // Each row: text, trimmed, upper-cased, as typed through the key filter.
    void trimUpperAndFilter_data() {
        QTest::addColumn<QStringList>("views");
        QTest::newRow("tabs stay")
            << QStringList{"\tegll \t", "\tegll \t", "\tEGLL \t", "\tEGLL \t"};
        QTest::newRow("accents") << QStringList{"zürich åre", "zürich åre", "ZÜRICH ÅRE",
                                                "ZüRICH åRE"};
        // Simple mapping keeps the length: sharp s has no one-character capital.
        QTest::newRow("sharp s, dotless i")
            << QStringList{"straße ı", "straße ı", "STRAßE I", "STRAßE ı"};
        QTest::newRow("next to a and z") << QStringList{"`az{|", "`az{|", "`AZ{|", "`AZ{|"};
    }
    void trimUpperAndFilter() {
        QFETCH(QStringList, views);
        QCOMPARE(qstring(icao::trimSpaces(text(views[0]))), views[1]);
        QCOMPARE(qstring(icao::upperCase(text(views[0]))), views[2]);
        QCOMPARE(qstring(icao::filterTypedText(text(views[0]))), views[3]);
    }

    // The name lookup skips decoding a non-ASCII name byte unless the key wants I or S there;
    // that holds only while these two are the sole characters beyond ASCII that upper-case
    // into it.
    void onlyDotlessIAndLongSUpperCaseIntoAscii() {
        QList<char32_t> intoAscii;
        for (char32_t code = 0x80; code <= 0x10FFFF; ++code) {
            if (QChar::toUpper(code) < 0x80) {
                intoAscii.append(code);
            }
        }
        QCOMPARE(intoAscii, (QList<char32_t>{0x131, 0x17F}));
    }

    void decodeTextPicksUtf8OrWindows1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("utf-8") << QByteArray("Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9D\x94\xB8")
                               << "Zürich € 𝔸";
        QTest::newRow("windows-1252") << QByteArray("Z\xFCrich \x80 \x9C") << "Zürich € œ";
        QTest::newRow("undefined 1252 bytes keep their value")
            << QByteArray("\x81\x8D") << QString(QChar(0x81)) + QChar(0x8D);
        QTest::newRow("truncated sequence") << QByteArray("caf\xC3") << "cafÃ";
        QTest::newRow("overlong encoding") << QByteArray("\xC0\xAF") << "À¯";
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << "í\u00A0€";
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << "ô\u0090€€";
    }
    void decodeTextPicksUtf8OrWindows1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const icao::Text decoded = icao::decodeText(bytes.toStdString());
        QCOMPARE(qstring(decoded), expected);
        QCOMPARE(QString::fromStdString(icao::toUtf8(decoded)), expected);
    }

    // A byte-order mark at the start is dropped, UTF-8's or UTF-16's either way round, and
    // only there: read as Windows-1252, "\xFF\xFE" would be letters ("ÿþ" folds to "yth").
    void aByteOrderMarkIsNoText() {
        for (const char* marked : {"\xEF\xBB\xBF"
                                   "EGLL",
                                   "\xFF\xFE"
                                   "EGLL",
                                   "\xFE\xFF"
                                   "EGLL"}) {
            QCOMPARE(icao::withoutByteOrderMark(marked), std::string_view("EGLL"));
        }
        QCOMPARE(icao::withoutByteOrderMark("EG\xFF\xFE"
                                            "LL"),
                 std::string_view("EG\xFF\xFE"
                                  "LL"));
        QCOMPARE(icao::withoutByteOrderMark("\xFF"), std::string_view("\xFF"));
    }
};

QTEST_GUILESS_MAIN(TextTest)
#include "tst_text.moc"
