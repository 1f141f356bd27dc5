#include "support/window_fixture.h"

using namespace fixtures;

class LookupWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { settle(); }

    // Typed into the input box, then SEARCH: the input as the key filter left it, and the
    // output; an empty output means the name was missed, which the input box then tells.
    void typeAndSearch_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("typedShownOutput");
        QTest::newRow("code hit") << 1 << QStringList{"egll", "EGLL", "London Heathrow Airport"};
        QTest::newRow("code: digits and space pass, a fifth key is refused")
            << 1 << QStringList{"k1 zz", "K1 Z", "ICAO CODE NOT FOUND"};
        QTest::newRow("name hit, spaces around")
            << 2 << QStringList{"  newcastle airport ", "  NEWCASTLE AIRPORT ", "EGNT"};
        QTest::newRow("typed accent stays small, so the name is missed")
            << 2 << QStringList{"zürich-é, ok", "ZüRICH-é, OK", ""};
    }
    void typeAndSearch() {
        QFETCH(int, form);
        QFETCH(QStringList, typedShownOutput);
        ProgramFixture fixture;
        const Boxes boxes = fixture.open(form);
        QCOMPARE(QApplication::focusWidget(), boxes.input);
        typeText(boxes.input, typedShownOutput[0]);
        QCOMPARE(boxes.input->text(), typedShownOutput[1]);
        QCOMPARE(background(boxes.input), kYellow);
        QVERIFY(background(boxes.output) != kYellow);
        // Enter presses no button.
        QTest::keyClick(boxes.input, Qt::Key_Return);
        QVERIFY(!boxes.input->isReadOnly());
        click(boxes.window, "Command1");
        const bool missed = typedShownOutput[2].isEmpty();
        QCOMPARE(boxes.input->text(), missed ? "AIRPORT NAME NOT FOUND" : typedShownOutput[1]);
        QCOMPARE(boxes.output->text(), typedShownOutput[2]);
        QVERIFY(boxes.input->isReadOnly() && boxes.output->isReadOnly());
        QCOMPARE(background(missed ? boxes.input : boxes.output), kYellow);
        // Locked boxes keep their text, but a key in the input box still sets the highlight.
        QTest::keyClicks(boxes.input, "x");
        QTest::keyClicks(boxes.output, "x");
        QCOMPARE(boxes.output->text(), typedShownOutput[2]);
        QCOMPARE(background(boxes.input), kYellow);
        click(boxes.window, "Command2");
        for (QLineEdit* box : {boxes.input, boxes.output}) {
            QVERIFY(box->text().isEmpty() && !box->isReadOnly());
            QCOMPARE(background(box), QColor(255, 255, 255));
        }
        QCOMPARE(QApplication::focusWidget(), boxes.input);
    }

    // Pasted text is not filtered; no box takes more than its limit, typed or pasted; the
    // output box takes typing before a search.
    void pasteAndLimits_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("inputLimit");
        QTest::addColumn<int>("outputLimit");
        QTest::newRow("CODE2NAME") << 1 << 4 << 250;
        QTest::newRow("NAME2CODE") << 2 << 250 << 4;
    }
    void pasteAndLimits() {
        QFETCH(int, form);
        QFETCH(int, inputLimit);
        QFETCH(int, outputLimit);
        ProgramFixture fixture;
        const Boxes boxes = fixture.open(form);
        paste(boxes.input, "egll");
        QCOMPARE(boxes.input->text(), QString("egll"));
        QCOMPARE(background(boxes.input), kYellow);
        for (auto [box, limit] :
             {std::pair(boxes.input, inputLimit), {boxes.output, outputLimit}}) {
            box->clear();
            QTest::keyClicks(box, QString(limit + 3, 'a'));
            QCOMPARE(box->text(), QString(limit, box == boxes.input ? 'A' : 'a'));
            box->clear();
            paste(box, QString(limit + 50, 'B'));
            QCOMPARE(box->text().size(), limit);
        }
        QCOMPARE(background(boxes.output), kYellow);
    }

    void searchOnAFileThatCannotBeReadWarnsAndGoesOn() {
        ProgramFixture fixture;
        const Boxes boxes = fixture.open(2);
        QTest::keyClicks(boxes.input, "x");
        std::filesystem::remove(fixture.dataFile());
        MessageBoxAnswerer answerer;
        click(boxes.window, "Command1");
        QVERIFY(answerer.seen());
        QCOMPARE(answerer.seen()->icon, QMessageBox::Warning);
        const QString text = answerer.seen()->text;
        QVERIFY2(text.contains(QString::fromStdString(fixture.dataFile().string())) &&
                     text.contains("No such file or directory"),
                 qPrintable(text));
        QCOMPARE(boxes.input->text(), QString("X"));
        QVERIFY(boxes.output->text().isEmpty() && !boxes.output->isReadOnly());
        QVERIFY(!fixture.program().ended() && boxes.window->isVisible());
    }
};

QTEST_MAIN(LookupWindowsTest)
#include "tst_lookup_windows.moc"
