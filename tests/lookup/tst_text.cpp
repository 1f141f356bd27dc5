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
    void substringByPosition_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("expected");
        QTest::newRow("code") << "A|EGLL|NAME|" << 3 << 4 << "EGLL";
        QTest::newRow("start beyond end") << "A|EGLL|NAME|" << 20 << 4 << "";
        QTest::newRow("start just past end") << "abc" << 4 << 1 << "";
        QTest::newRow("runs past end") << "A|EG" << 3 << 4 << "EG";
        QTest::newRow("length zero") << "abc" << 2 << 0 << "";
        QTest::newRow("counts characters, not bytes") << "Ä|ZÜRI|X" << 3 << 4 << "ZÜRI";
        QTest::newRow("character outside the BMP") << "𝔸|EGLL|" << 3 << 4 << "EGLL";
    }
    void substringByPosition() {
        QFETCH(QString, source);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, expected);
        QCOMPARE(qstring(icao::substringByPosition(text(source), start, length)), expected);
    }

    void splitFields_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("record") << "A|EGLL|NAME|" << QStringList{"A", "EGLL", "NAME", ""};
        QTest::newRow("empty field inside") << "a||b" << QStringList{"a", "", "b"};
        QTest::newRow("no separator") << "abc" << QStringList{"abc"};
        QTest::newRow("only a separator") << "|" << QStringList{"", ""};
        QTest::newRow("empty text has no field") << "" << QStringList{};
    }
    void splitFields() {
        QFETCH(QString, source);
        QFETCH(QStringList, fields);
        QStringList actual;
        for (const auto& field : icao::splitFields(text(source))) {
            actual.append(qstring(field));
        }
        QCOMPARE(actual, fields);
    }

    void trimUpperAndFilter_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("trimmed");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("typed");
        QTest::newRow("spaces go, inner ones stay") << "  Name  One "
                                                    << "Name  One"
                                                    << "  NAME  ONE "
                                                    << "  NAME  ONE ";
        QTest::newRow("tabs stay") << "\tegll \t"
                                   << "\tegll \t"
                                   << "\tEGLL \t"
                                   << "\tEGLL \t";
        QTest::newRow("only spaces") << "   "
                                     << ""
                                     << "   "
                                     << "   ";
        QTest::newRow("accents: upper-cased, not typed") << "zürich åre"
                                                         << "zürich åre"
                                                         << "ZÜRICH ÅRE"
                                                         << "ZüRICH åRE";
        QTest::newRow("greek and cyrillic") << "αθήνα москва"
                                            << "αθήνα москва"
                                            << "ΑΘΉΝΑ МОСКВА"
                                            << "αθήνα москва";
        // Simple mapping keeps the length: sharp s has no one-character capital.
        QTest::newRow("sharp s, dotless i") << "straße ı"
                                            << "straße ı"
                                            << "STRAßE I"
                                            << "STRAßE ı";
        QTest::newRow("punctuation next to a and z") << "`az{|"
                                                     << "`az{|"
                                                     << "`AZ{|"
                                                     << "`AZ{|";
    }
    void trimUpperAndFilter() {
        QFETCH(QString, source);
        QFETCH(QString, trimmed);
        QFETCH(QString, upper);
        QFETCH(QString, typed);
        QCOMPARE(qstring(icao::trimSpaces(text(source))), trimmed);
        QCOMPARE(qstring(icao::upperCase(text(source))), upper);
        QCOMPARE(qstring(icao::filterTypedText(text(source))), typed);
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

    void decodeTextKeepsAtMostTheItemLimit() {
        for (const char byte : {'a', '\xE9'}) {
            const std::string bytes(icao::kMaxItemCharacters + 10, byte);
            QCOMPARE(icao::decodeText(bytes).size(), icao::kMaxItemCharacters);
        }
    }
};

QTEST_GUILESS_MAIN(TextTest)
#include "tst_text.moc"
