// SPDX-License-Identifier: MIT
#include "finder/html.h"

#include <QTest>
#include <QTextDocument>

// Rich text built from hostile words: each reads back as the words, never as markup.
class HtmlTest : public QObject {
    Q_OBJECT

  private slots:
    void textIsNeverMarkup_data() {
        QTest::addColumn<QString>("words");
        QTest::newRow("tags") << "<b>bold</b><script>x</script>";
        QTest::newRow("entities") << "&amp; &lt; &#x41;";
        QTest::newRow("quotes") << "\"quoted\" 'single'";
        QTest::newRow("markers") << "100% %1 %2";
        QTest::newRow("right to left") << "\u202Eevil\u202C";
    }
    void textIsNeverMarkup() {
        QFETCH(QString, words);
        const auto plain = [](const Html& html) {
            QTextDocument document;
            document.setHtml(html.toString());
            return document.toPlainText();
        };
        QCOMPARE(plain(Html::text(words)), words);
        QCOMPARE(plain(Html::tag("i", Html::text(words))), words);
        QCOMPARE(plain(Html::link("stop:1:" + words, Html::text(words))), words);
        // A part put in the place of %1 stays as it is, whatever markers it holds.
        QCOMPARE(plain(Html::text("Reading %1 ... %2").arg(Html::text(words), Html::text("x"))),
                 "Reading " + words + " ... x");
        QVERIFY(!Html::text(words).toString().contains('<'));
        // The target never ends its attribute early.
        QCOMPARE(Html::link(words, {}).toString().count('"'), 2);
    }

    void partsAreJoinedAndKeptWhole() {
        QCOMPARE(Html::joined({Html::text("a"), Html(), Html::text("b")}, Html::markup("<br>"))
                     .toString(),
                 QString("a<br>b"));
        QCOMPARE(Html::unbroken("09L 27R").toString(), QString("09L\u00A027R"));
        QVERIFY(Html().isEmpty());
    }
};

QTEST_MAIN(HtmlTest)
#include "tst_html.moc"
