#include "support/window_fixture.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>

using namespace fixtures;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

struct Boxes {
    QWidget* window;
    QLineEdit* input;
    QLineEdit* output;
};

Boxes openWindow(ProgramFixture& fixture, int form) {
    if (form == 1) {
        Form1* window = fixture.open<Form1>();
        return {window, child<QLineEdit>(window, "Text1"), child<QLineEdit>(window, "Text2")};
    }
    Form2* window = fixture.open<Form2>();
    return {window, child<QLineEdit>(window, "Text3"), child<QLineEdit>(window, "Text4")};
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

void paste(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(box, QKeySequence::Paste);
}

} // namespace

class LookupWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { settle(); }

    void codeToNameRequestEndToEnd() {
        ProgramFixture fixture;
        const Boxes form = openWindow(fixture, 1);
        QCOMPARE(QApplication::focusWidget(), form.input);
        QTest::keyClicks(form.input, "egll");
        QCOMPARE(form.input->text(), QString("EGLL"));
        QCOMPARE(background(form.input), kYellow);
        click(form.window, "Command1");
        QCOMPARE(form.output->text(), QString("London Heathrow Airport"));
        QCOMPARE(background(form.output), kYellow);
        QVERIFY(form.input->isReadOnly() && form.output->isReadOnly());
        QCOMPARE(form.input->text(), QString("EGLL"));
    }

    void searchResults_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("code miss") << 1 << "zzzz"
                                   << "ZZZZ"
                                   << "ICAO CODE NOT FOUND";
        QTest::newRow("name hit") << 2 << "newcastle airport"
                                  << "NEWCASTLE AIRPORT"
                                  << "EGNT";
        QTest::newRow("name with spaces around") << 2 << "  newcastle airport "
                                                 << "  NEWCASTLE AIRPORT "
                                                 << "EGNT";
        QTest::newRow("name miss goes to the input box") << 2 << "nowhere"
                                                         << "AIRPORT NAME NOT FOUND"
                                                         << "";
        QTest::newRow("typed accent stays small, so the name is missed") << 2 << "zürich airport"
                                                                         << "AIRPORT NAME NOT FOUND"
                                                                         << "";
    }
    void searchResults() {
        QFETCH(int, form);
        QFETCH(QString, typed);
        QFETCH(QString, input);
        QFETCH(QString, output);
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, form);
        typeText(boxes.input, typed);
        click(boxes.window, "Command1");
        QCOMPARE(boxes.input->text(), input);
        QCOMPARE(boxes.output->text(), output);
        QVERIFY(boxes.input->isReadOnly() && boxes.output->isReadOnly());
        QLineEdit* written = output.isEmpty() ? boxes.input : boxes.output;
        QCOMPARE(background(written), kYellow);
    }

    void keyFilterRaisesTypedLettersOnly_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters") << 1 << "egll"
                                 << "EGLL";
        QTest::newRow("digits and space") << 1 << "k1 z"
                                          << "K1 Z";
        QTest::newRow("accented and punctuation") << 2 << "zürich-é, ok"
                                                  << "ZüRICH-é, OK";
    }
    void keyFilterRaisesTypedLettersOnly() {
        QFETCH(int, form);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, form);
        typeText(boxes.input, typed);
        QCOMPARE(boxes.input->text(), shown);
    }

    void pastedTextIsNotFiltered() {
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, 1);
        paste(boxes.input, "egll");
        QCOMPARE(boxes.input->text(), QString("egll"));
        QCOMPARE(background(boxes.input), kYellow);
        click(boxes.window, "Command1");
        QCOMPARE(boxes.output->text(), QString("ICAO CODE NOT FOUND"));
    }

    void boxesTakeAtMostTheirLimit_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("inputBox");
        QTest::addColumn<int>("limit");
        QTest::newRow("code box of CODE2NAME") << 1 << true << 4;
        QTest::newRow("name box of CODE2NAME") << 1 << false << 250;
        QTest::newRow("name box of NAME2CODE") << 2 << true << 250;
        QTest::newRow("code box of NAME2CODE") << 2 << false << 4;
    }
    void boxesTakeAtMostTheirLimit() {
        QFETCH(int, form);
        QFETCH(bool, inputBox);
        QFETCH(int, limit);
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, form);
        QLineEdit* box = inputBox ? boxes.input : boxes.output;
        QTest::keyClicks(box, QString(limit + 3, 'A'));
        QCOMPARE(box->text().size(), limit);
        box->clear();
        paste(box, QString(limit + 50, 'B'));
        QCOMPARE(box->text().size(), limit);
    }

    void enterAndEscapePressNoButton() {
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, 1);
        QTest::keyClicks(boxes.input, "EGLL");
        QTest::keyClick(boxes.input, Qt::Key_Return);
        QTest::keyClick(boxes.input, Qt::Key_Escape);
        QVERIFY(boxes.output->text().isEmpty());
        QVERIFY(!boxes.input->isReadOnly());
        QVERIFY(boxes.window->isVisible());
    }

    void lockedBoxesRefuseTypingButStillHighlight() {
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, 1);
        click(boxes.window, "Command1");
        QCOMPARE(boxes.output->text(), QString("ICAO CODE NOT FOUND"));
        QVERIFY(background(boxes.input) != kYellow);
        QTest::keyClicks(boxes.input, "ab");
        QVERIFY(boxes.input->text().isEmpty());
        QCOMPARE(background(boxes.input), kYellow);
        QTest::keyClicks(boxes.output, "ab");
        QCOMPARE(boxes.output->text(), QString("ICAO CODE NOT FOUND"));
    }

    void deleteResetsBothBoxes_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("searchFirst");
        QTest::newRow("CODE2NAME after a search") << 1 << true;
        QTest::newRow("NAME2CODE after a search") << 2 << true;
        QTest::newRow("CODE2NAME with empty boxes") << 1 << false;
    }
    void deleteResetsBothBoxes() {
        QFETCH(int, form);
        QFETCH(bool, searchFirst);
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, form);
        if (searchFirst) {
            QTest::keyClicks(boxes.input, "egll");
            click(boxes.window, "Command1");
        }
        click(boxes.window, "Command2");
        for (QLineEdit* box : {boxes.input, boxes.output}) {
            QVERIFY(box->text().isEmpty());
            QVERIFY(!box->isReadOnly());
            QCOMPARE(background(box), kWhite);
        }
        QCOMPARE(QApplication::focusWidget(), boxes.input);
    }

    void outputBoxTakesTypingBeforeASearch() {
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, 1);
        QTest::keyClicks(boxes.output, "abc");
        QCOMPARE(boxes.output->text(), QString("abc"));
        QCOMPARE(background(boxes.output), kYellow);
    }

    void tabOrderFollowsTheTabIndexes_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("CODE2NAME")
            << 1 << QStringList{"Command3", "Command2", "Command1", "Text2", "Text1", "Command4"};
        QTest::newRow("NAME2CODE")
            << 2 << QStringList{"Text4", "Text3", "Command4", "Command1", "Command2", "Command3"};
    }
    void tabOrderFollowsTheTabIndexes() {
        QFETCH(int, form);
        QFETCH(QStringList, order);
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, form);
        child<QWidget>(boxes.window, order.first().toLatin1())->setFocus();
        QStringList visited;
        for (int i = 0; i <= order.size(); ++i) {
            visited.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order + QStringList{order.first()});
    }

    // The captions are the windows' own texts, spacing included.
    void captionsAsDesigned_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("CODE2NAME")
            << 1
            << QStringList{"CODE2NAME - BY TOVRAMEK", "DISPLAY AIRPORT NAME", "INSERT  ICAO CODE"};
        QTest::newRow("NAME2CODE")
            << 2
            << QStringList{"NAME2CODE - BY TOVRAMEK", "DISPLAY  ICAO CODE", "INSERT AIRPORT NAME"};
    }
    void captionsAsDesigned() {
        QFETCH(int, form);
        QFETCH(QStringList, captions);
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, form);
        QStringList shown{boxes.window->windowTitle()};
        QStringList labels;
        for (QLabel* label : boxes.window->findChildren<QLabel*>()) {
            labels.append(label->text());
        }
        labels.sort();
        QCOMPARE(shown + labels, captions);
        QStringList buttons;
        for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
            buttons.append(child<QPushButton>(boxes.window, name)->text());
        }
        QCOMPARE(buttons, (QStringList{"SEARCH", "DELETE", "RETURN", "EXIT"}));
    }

    void searchOnAFileThatCannotBeReadWarnsAndGoesOn_data() {
        QTest::addColumn<int>("form");
        QTest::newRow("CODE2NAME") << 1;
        QTest::newRow("NAME2CODE") << 2;
    }
    void searchOnAFileThatCannotBeReadWarnsAndGoesOn() {
        QFETCH(int, form);
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, form);
        QTest::keyClicks(boxes.input, "egll");
        std::filesystem::remove(fixture.dataFile());
        MessageBoxAnswerer answerer;
        click(boxes.window, "Command1");
        QVERIFY(answerer.seen());
        QCOMPARE(answerer.seen()->icon, QMessageBox::Warning);
        QVERIFY2(
            answerer.seen()->text.contains(QString::fromStdString(fixture.dataFile().string())),
            qPrintable(answerer.seen()->text));
        QVERIFY(answerer.seen()->text.contains("No such file or directory"));
        QCOMPARE(boxes.input->text(), QString("EGLL"));
        QVERIFY(boxes.output->text().isEmpty());
        QVERIFY(!boxes.input->isReadOnly() && !boxes.output->isReadOnly());
        QVERIFY(!fixture.program().ended());
        QVERIFY(boxes.window->isVisible());
    }
};

QTEST_MAIN(LookupWindowsTest)
#include "tst_lookup_windows.moc"
