#include "support/window_fixture.h"

#include <QCloseEvent>
#include <QScreen>
#include <QWindow>

using namespace fixtures;

class ChooserTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { settle(); }

    void comesUpCentredTopmostWithNoChoice() {
        ProgramFixture fixture;
        frmMain* chooser = fixture.start();
        QVERIFY(chooser);
        QVERIFY(chooser->isVisible());
        QCOMPARE(chooser->windowTitle(), QString("GET ICAO/AIRPORT NAME - BY TOVRAMEK"));
        QVERIFY(chooser->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QRect screen = chooser->screen()->geometry();
        QCOMPARE(chooser->frameGeometry().left(),
                 (screen.width() - chooser->frameGeometry().width()) / 2);
        QCOMPARE(chooser->frameGeometry().top(),
                 (screen.height() - chooser->frameGeometry().height()) / 2);
        for (int index : {0, 1}) {
            QVERIFY(!option(chooser, index)->isChecked());
            QVERIFY(!option(chooser, index)->hasFocus());
        }
        QCOMPARE(QApplication::focusWidget(), chooser);
        QVERIFY(!fixture.program().form1() && !fixture.program().form2());
    }

    void captionsAndIcon() {
        ProgramFixture fixture;
        frmMain* chooser = fixture.start();
        QCOMPARE(child<QGroupBox>(chooser, "Frame3")->title(), QString("YOUR CHOICE"));
        QCOMPARE(option(chooser, 0)->text(), QString("CODE2NAME"));
        QCOMPARE(option(chooser, 1)->text(), QString("NAME2CODE"));
        const auto sizes = chooser->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
    }

    void choosingShowsTheLookupWindow_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("byTab");
        QTest::addColumn<QString>("caption");
        QTest::newRow("click CODE2NAME") << 0 << false << "CODE2NAME - BY TOVRAMEK";
        QTest::newRow("click NAME2CODE") << 1 << false << "NAME2CODE - BY TOVRAMEK";
        QTest::newRow("first Tab chooses CODE2NAME") << 0 << true << "CODE2NAME - BY TOVRAMEK";
    }
    void choosingShowsTheLookupWindow() {
        QFETCH(int, index);
        QFETCH(bool, byTab);
        QFETCH(QString, caption);
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
        QVERIFY(chosen);
        QVERIFY(chosen->isVisible());
        QCOMPARE(chosen->windowTitle(), caption);
        QVERIFY(index == 0 ? !fixture.program().form2() : !fixture.program().form1());
        QVERIFY(!fixture.program().ended());
    }

    void refusesACloseFromItsTitleBar() {
        ProgramFixture fixture;
        frmMain* chooser = fixture.start();
        // The window system's close request, as the close box or Alt+F4 sends it.
        chooser->windowHandle()->close();
        settle();
        QCOMPARE(fixture.program().chooser(), chooser);
        QVERIFY(chooser->isVisible());
        QVERIFY(!fixture.program().ended());

        short cancel = 0;
        chooser->Form_QueryUnload(cancel, 0);
        QCOMPARE(cancel, short(1));
        cancel = 0;
        for (short otherReason : {1, 2, 3}) {
            chooser->Form_QueryUnload(cancel, otherReason);
            QCOMPARE(cancel, short(0));
        }
    }

    void missingFileAtStartWarnsAndEnds() {
        ProgramFixture fixture(nullptr);
        MessageBoxAnswerer answerer;
        fixture.program().start();
        QVERIFY(answerer.seen());
        QCOMPARE(answerer.seen()->title, QString("FILE NON FOUND"));
        QCOMPARE(answerer.seen()->text, QString(kMissingFilePrompt));
        QCOMPARE(answerer.seen()->icon, QMessageBox::Warning);
        QCOMPARE(answerer.seen()->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(fixture.program().ended());
        QVERIFY(!fixture.program().chooser());
        QCOMPARE(fixture.quitRequests(), 1);
        QVERIFY(!anyWindowVisible());
    }

    void folderNamedLikeTheFileCountsAsMissing() {
        ProgramFixture fixture(nullptr);
        std::filesystem::create_directory(fixture.dataFile());
        MessageBoxAnswerer answerer;
        fixture.program().start();
        QVERIFY(answerer.seen());
        QVERIFY(fixture.program().ended());
    }

    void returnLoadsTheChooserAfresh() {
        ProgramFixture fixture;
        frmMain* first = fixture.start();
        const QPointer<frmMain> firstChooser(first);
        Form1* form1 = fixture.open<Form1>();
        QVERIFY(!firstChooser);
        QTest::mouseClick(child<QPushButton>(form1, "Command3"), Qt::LeftButton);
        frmMain* again = fixture.program().chooser();
        QVERIFY(again);
        QVERIFY(again->isVisible());
        QVERIFY(!form1->isVisible());
        QVERIFY(!option(again, 0)->isChecked() && !option(again, 1)->isChecked());
        QVERIFY(again->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void missingFileAfterReturnWarnsAndEnds() {
        ProgramFixture fixture;
        Form2* form2 = fixture.open<Form2>();
        std::filesystem::remove(fixture.dataFile());
        MessageBoxAnswerer answerer;
        QTest::mouseClick(child<QPushButton>(form2, "Command3"), Qt::LeftButton);
        QVERIFY(answerer.seen());
        QCOMPARE(answerer.seen()->title, QString("FILE NON FOUND"));
        QVERIFY(fixture.program().ended());
        QVERIFY(!fixture.program().chooser() && !fixture.program().form2());
    }
};

QTEST_MAIN(ChooserTest)
#include "tst_chooser.moc"
