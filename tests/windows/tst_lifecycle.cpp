#include "support/window_fixture.h"

#include <QWindow>

using namespace fixtures;

namespace {

void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    settle();
}

} // namespace

class LifecycleTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { settle(); }

    void lookupWindowComesUpCentred() {
        ProgramFixture fixture;
        Form2* form2 = fixture.open<Form2>();
        const QRect screen = form2->screen()->geometry();
        QCOMPARE(form2->frameGeometry().left(),
                 (screen.width() - form2->frameGeometry().width()) / 2);
        QCOMPARE(form2->frameGeometry().top(),
                 (screen.height() - form2->frameGeometry().height()) / 2);
        QVERIFY(!form2->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void returnThenSameChoiceBringsTheWindowBackUnchanged() {
        ProgramFixture fixture;
        Form1* form1 = fixture.open<Form1>();
        auto* input = child<QLineEdit>(form1, "Text1");
        auto* output = child<QLineEdit>(form1, "Text2");
        typeText(input, "egll");
        click(form1, "Command1");
        form1->move(form1->pos() + QPoint(13, 7));
        const QPoint where = form1->pos();

        click(form1, "Command3");
        QVERIFY(!form1->isVisible());
        QVERIFY(fixture.program().chooser()->isVisible());
        QCOMPARE(fixture.open<Form1>(), form1);

        QVERIFY(form1->isVisible());
        QCOMPARE(form1->pos(), where);
        QCOMPARE(input->text(), QString("EGLL"));
        QCOMPARE(output->text(), QString("London Heathrow Airport"));
        QVERIFY(input->isReadOnly() && output->isReadOnly());
        QCOMPARE(background(output), QColor(255, 255, 0));
        QCOMPARE(QApplication::focusWidget(), input);
    }

    void exitEndsAlthoughTheOtherWindowIsLoaded() {
        ProgramFixture fixture;
        Form1* form1 = fixture.open<Form1>();
        click(form1, "Command3");
        Form2* form2 = fixture.open<Form2>();
        QVERIFY(fixture.program().form1());
        QVERIFY(!form1->isVisible());
        click(form2, "Command4");
        QVERIFY(fixture.program().ended());
        QCOMPARE(fixture.quitRequests(), 1);
        QVERIFY(!fixture.program().form1() && !fixture.program().form2() &&
                !fixture.program().chooser());
        QVERIFY(!anyWindowVisible());
    }

    void closeBoxEndsTheProgram_data() {
        QTest::addColumn<bool>("otherWindowHidden");
        QTest::newRow("other lookup window never shown") << false;
        QTest::newRow("other lookup window hidden by RETURN") << true;
    }
    void closeBoxEndsTheProgram() {
        QFETCH(bool, otherWindowHidden);
        ProgramFixture fixture;
        if (otherWindowHidden) {
            click(fixture.open<Form2>(), "Command3");
        }
        Form1* form1 = fixture.open<Form1>();
        form1->windowHandle()->close();
        settle();
        QVERIFY(!fixture.program().form1());
        QVERIFY(fixture.program().ended());
        QCOMPARE(fixture.quitRequests(), 1);
        QVERIFY(!anyWindowVisible());
    }
};

QTEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
