#include "support/window_fixture.h"

#include <QScreen>
#include <QWindow>

using namespace fixtures;

namespace {

// The outer rectangle, frame included, stands in the middle of the whole screen.
void verifyCentred(QWidget* window) {
    const QRect screen = window->screen()->geometry();
    const QRect outer = window->frameGeometry();
    QCOMPARE(outer.left(), (screen.width() - outer.width()) / 2);
    QCOMPARE(outer.top(), (screen.height() - outer.height()) / 2);
}

} // namespace

// The chooser and the way between the three windows.
class ProgramTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { settle(); }

    void chooserComesUpCentredTopmostWithNoChoice() {
        ProgramFixture fixture;
        frmMain* chooser = fixture.start();
        QVERIFY(chooser && chooser->isVisible());
        QCOMPARE(chooser->windowTitle(), QString("GET ICAO/AIRPORT NAME - BY TOVRAMEK"));
        QCOMPARE(child<QGroupBox>(chooser, "Frame3")->title(), QString("YOUR CHOICE"));
        QVERIFY(chooser->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        verifyCentred(chooser);
        for (int index : {0, 1}) {
            QCOMPARE(option(chooser, index)->text(), index == 0 ? "CODE2NAME" : "NAME2CODE");
            QVERIFY(!option(chooser, index)->isChecked() && !option(chooser, index)->hasFocus());
        }
        QCOMPARE(QApplication::focusWidget(), chooser);
        const auto sizes = chooser->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
        QVERIFY(!fixture.program().form1() && !fixture.program().form2());
    }

    void choosingShowsTheLookupWindow_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("byTab");
        QTest::newRow("click CODE2NAME") << 0 << false;
        QTest::newRow("click NAME2CODE") << 1 << false;
        QTest::newRow("first Tab chooses CODE2NAME") << 0 << true;
    }
    void choosingShowsTheLookupWindow() {
        QFETCH(int, index);
        QFETCH(bool, byTab);
        ProgramFixture fixture;
        frmMain* chooser = fixture.start();
        if (byTab) {
            QTest::keyClick(chooser, Qt::Key_Tab);
        } else {
            QTest::mouseClick(option(chooser, index), Qt::LeftButton);
        }
        settle();
        QVERIFY(!fixture.program().chooser());
        QWidget* chosen = index == 0 ? static_cast<QWidget*>(fixture.program().form1())
                                     : static_cast<QWidget*>(fixture.program().form2());
        QVERIFY(chosen && chosen->isVisible());
        QVERIFY(index == 0 ? !fixture.program().form2() : !fixture.program().form1());
        QVERIFY(QTest::qWaitForWindowActive(chosen));
        verifyCentred(chosen);
        QVERIFY(!chosen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void chooserRefusesACloseFromItsTitleBar() {
        ProgramFixture fixture;
        frmMain* chooser = fixture.start();
        // The window system's close request, as the close box or Alt+F4 sends it.
        chooser->windowHandle()->close();
        settle();
        QCOMPARE(fixture.program().chooser(), chooser);
        QVERIFY(chooser->isVisible() && !fixture.program().ended());
    }

    void missingFileWarnsAndEnds_data() {
        QTest::addColumn<QString>("when");
        QTest::newRow("no file at start") << "start";
        QTest::newRow("a folder of that name at start") << "folder";
        QTest::newRow("removed before RETURN") << "return";
    }
    void missingFileWarnsAndEnds() {
        QFETCH(QString, when);
        ProgramFixture fixture(when == "return" ? &kAirports : nullptr);
        if (when == "folder") {
            std::filesystem::create_directory(fixture.dataFile());
        }
        MessageBoxAnswerer answerer;
        if (when == "return") {
            const Boxes boxes = fixture.open(2);
            std::filesystem::remove(fixture.dataFile());
            click(boxes.window, "Command3");
        } else {
            fixture.program().start();
        }
        QVERIFY(answerer.seen());
        QCOMPARE(answerer.seen()->title, QString("FILE NON FOUND"));
        QCOMPARE(answerer.seen()->text, QString(kMissingFilePrompt));
        QCOMPARE(answerer.seen()->icon, QMessageBox::Warning);
        QCOMPARE(answerer.seen()->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(fixture.program().ended() && !fixture.program().chooser());
        QVERIFY(!fixture.program().form2());
        QCOMPARE(fixture.quitRequests(), 1);
        QVERIFY(!anyWindowVisible());
    }

    void returnLoadsTheChooserAfreshAndKeepsTheWindow() {
        ProgramFixture fixture;
        const QPointer<frmMain> firstChooser(fixture.start());
        const Boxes boxes = fixture.open(1);
        QVERIFY(!firstChooser);
        typeText(boxes.input, "egll");
        click(boxes.window, "Command1");
        boxes.window->move(boxes.window->pos() + QPoint(13, 7));
        const QPoint where = boxes.window->pos();

        click(boxes.window, "Command3");
        frmMain* again = fixture.program().chooser();
        QVERIFY(again && again->isVisible() && !boxes.window->isVisible());
        QVERIFY(!option(again, 0)->isChecked() && !option(again, 1)->isChecked());
        QVERIFY(again->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        QCOMPARE(fixture.open(1).window, boxes.window);
        QCOMPARE(boxes.window->pos(), where);
        QCOMPARE(boxes.output->text(), QString("London Heathrow Airport"));
        QVERIFY(boxes.input->isReadOnly());
        QCOMPARE(background(boxes.output), kYellow);
        QCOMPARE(QApplication::focusWidget(), boxes.input);
    }

    // EXIT, or the close box of the only visible window, ends the program, also when the other
    // lookup window is loaded but hidden.
    void exitAndCloseBoxEndTheProgram_data() {
        QTest::addColumn<bool>("byExit");
        QTest::addColumn<bool>("otherWindowHidden");
        QTest::newRow("EXIT") << true << true;
        QTest::newRow("close box, other lookup window never shown") << false << false;
        QTest::newRow("close box, other lookup window hidden by RETURN") << false << true;
    }
    void exitAndCloseBoxEndTheProgram() {
        QFETCH(bool, byExit);
        QFETCH(bool, otherWindowHidden);
        ProgramFixture fixture;
        if (otherWindowHidden) {
            click(fixture.open(2).window, "Command3");
        }
        QWidget* form1 = fixture.open(1).window;
        QCOMPARE(fixture.program().form2() != nullptr, otherWindowHidden);
        if (byExit) {
            click(form1, "Command4");
        } else {
            form1->windowHandle()->close();
            settle();
        }
        QVERIFY(fixture.program().ended());
        QCOMPARE(fixture.quitRequests(), 1);
        QVERIFY(!fixture.program().form1() && !fixture.program().form2());
        QVERIFY(!anyWindowVisible());
    }
};

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
