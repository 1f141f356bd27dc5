#include "window_fixture.h"

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

    void upperChangesOnlyAtoZ() {
        ProgramFixture fixture;
        Form1* form1 = fixture.open<Form1>();
        for (short code = -200; code < 400; ++code) {
            short KeyAscii = code;
            const short expected = code >= 97 && code <= 122 ? code - 32 : code;
            QCOMPARE(form1->Upper(KeyAscii), expected);
            QCOMPARE(KeyAscii, expected);
        }
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

    void layoutAsDesigned_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QRect>("inputGeometry");
        QTest::addColumn<QRect>("deleteGeometry");
        QTest::newRow("CODE2NAME") << 1 << "CODE2NAME - BY TOVRAMEK" << QSize(385, 154)
                                   << QStringList{"INSERT  ICAO CODE", "DISPLAY AIRPORT NAME"}
                                   << QRect(240, 16, 105, 27) << QRect(104, 112, 81, 33);
        QTest::newRow("NAME2CODE") << 2 << "NAME2CODE - BY TOVRAMEK" << QSize(394, 155)
                                   << QStringList{"INSERT AIRPORT NAME", "DISPLAY  ICAO CODE"}
                                   << QRect(8, 40, 377, 27) << QRect(104, 112, 89, 33);
    }
    void layoutAsDesigned() {
        QFETCH(int, form);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QStringList, labels);
        QFETCH(QRect, inputGeometry);
        QFETCH(QRect, deleteGeometry);
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, form);
        QCOMPARE(boxes.window->windowTitle(), caption);
        QCOMPARE(boxes.window->size(), client);
        QCOMPARE(boxes.input->geometry(), inputGeometry);
        QCOMPARE(child<QPushButton>(boxes.window, "Command2")->geometry(), deleteGeometry);
        QStringList shown;
        for (QLabel* label : boxes.window->findChildren<QLabel*>()) {
            shown.append(label->text());
            QCOMPARE(label->palette().color(QPalette::Window), QColor(128, 255, 255));
            QCOMPARE(label->font().pointSizeF(), 14.25);
            QVERIFY(label->font().bold());
        }
        shown.sort();
        labels.sort();
        QCOMPARE(shown, labels);
        QStringList buttons;
        for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
            auto* button = child<QPushButton>(boxes.window, name);
            buttons.append(button->text());
            QVERIFY(!button->isDefault() && !button->autoDefault());
        }
        QCOMPARE(buttons, (QStringList{"SEARCH", "DELETE", "RETURN", "EXIT"}));
    }

    void resizingKeepsTheControlsInPlace() {
        ProgramFixture fixture;
        const Boxes boxes = openWindow(fixture, 2);
        const QRect before = boxes.input->geometry();
        boxes.window->resize(600, 400);
        QCOMPARE(boxes.input->geometry(), before);
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
