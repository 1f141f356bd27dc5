// SPDX-License-Identifier: MIT
#include "support/fixtures.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/frm_main.h"
#include "windows/program.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace {

const QByteArray kAirports = "L|EGLL|London Heathrow Airport|London|GB|LHR|\n"
                             "L|LSZH|Zürich Airport|Zurich|CH|ZRH|\n"
                             "M|EGNT|Newcastle Airport|Newcastle|GB|NCL|\n";
const QColor kYellow(255, 255, 0);

// What a modal message box showed before it was answered.
struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next modal message box with OK, as a user would, while the code under test
// waits in the box's own event loop.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen_ = SeenMessageBox{box->windowTitle(), box->text(), box->icon(),
                                       box->standardButtons()};
                timer_.stop();
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start(10);
    }
    const std::optional<SeenMessageBox>& seen() const { return seen_; }

  private:
    QTimer timer_;
    std::optional<SeenMessageBox> seen_;
};

template <class T> T* child(QWidget* window, const char* name) {
    auto* found = window ? window->findChild<T*>(name) : nullptr;
    if (!found) {
        qFatal("no %s in the window", name);
    }
    return found;
}

QRadioButton* option(frmMain* chooser, int index) {
    for (auto* option : chooser->findChildren<QRadioButton*>("Option1")) {
        if (option->property("Index").toInt() == index) {
            return option;
        }
    }
    return nullptr;
}

// Types text key by key, as a keyboard would; a letter beyond ASCII comes as an unnamed key.
void typeText(QWidget* widget, const QString& text) {
    for (QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
}

void paste(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(box, QKeySequence::Paste);
}

QColor background(const QLineEdit* box) {
    return box->palette().color(QPalette::Base);
}

// Lets deferred deletions of unloaded windows happen, as the event loop would.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    settle();
}

// The outer rectangle, frame included, stands in the middle of the whole screen, within a
// pixel, once the window manager, if any, has framed the window.
bool centred(QWidget* window) {
    const QRect screen = window->screen()->geometry();
    const QRect outer = window->frameGeometry();
    return std::abs(outer.left() - (screen.width() - outer.width()) / 2) <= 1 &&
           std::abs(outer.top() - (screen.height() - outer.height()) / 2) <= 1;
}

void verifyCentred(QWidget* window) {
    QTRY_VERIFY2(centred(window), qPrintable(QString("outer rectangle %1,%2 %3x%4")
                                                 .arg(window->frameGeometry().left())
                                                 .arg(window->frameGeometry().top())
                                                 .arg(window->frameGeometry().width())
                                                 .arg(window->frameGeometry().height())));
}

// A lookup window with its input and output boxes.
struct Boxes {
    QWidget* window;
    QLineEdit* input;
    QLineEdit* output;
};

// A program over a temporary data folder of its own.
class ProgramFixture {
  public:
    explicit ProgramFixture(bool withDataFile = true) {
        if (withDataFile) {
            folder_.write(kAirports);
        }
        // Leaving the event loop would end every later loop of the test too; count instead.
        program_ = std::make_unique<Program>(folder_.path(), [this] { ++quitRequests_; });
    }
    ~ProgramFixture() {
        program_.reset();
        settle();
    }

    Program& program() { return *program_; }
    int quitRequests() const { return quitRequests_; }
    std::filesystem::path dataFile() const { return folder_.dataFile(); }
    bool allGone() const {
        return program_->ended() && quitRequests_ == 1 && !program_->chooser() &&
               !program_->form1() && !program_->form2();
    }

    // Starts the program, if need be, and waits for the chooser to be active: an option
    // takes the focus, and so chooses, only in the active window.
    frmMain* chooser() {
        if (!program_->chooser()) {
            program_->start();
        }
        if (program_->chooser() && !QTest::qWaitForWindowActive(program_->chooser())) {
            qWarning("the chooser did not become active");
        }
        return program_->chooser();
    }

    // Chooses lookup window 1 or 2 by clicking its option.
    Boxes open(int form) {
        QTest::mouseClick(option(chooser(), form - 1), Qt::LeftButton);
        settle();
        QWidget* window = form == 1 ? static_cast<QWidget*>(program_->form1())
                                    : static_cast<QWidget*>(program_->form2());
        if (window && !QTest::qWaitForWindowActive(window)) {
            qWarning("the lookup window did not become active");
        }
        return {window, child<QLineEdit>(window, form == 1 ? "Text1" : "Text3"),
                child<QLineEdit>(window, form == 1 ? "Text2" : "Text4")};
    }

  private:
    fixtures::DataFolder folder_;
    std::unique_ptr<Program> program_;
    int quitRequests_ = 0;
};

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { settle(); }

    // A window stands alone: it says what the user asked for and leaves the rest to whoever
    // listens, so no program is needed to drive it.
    void windowsSignalWhatTheUserAsked() {
        fixtures::DataFolder folder;
        folder.write(kAirports);
        Form1 window(folder.dataFile());
        QSignalSpy returned(&window, &LookupWindow::returnRequested);
        QSignalSpy exited(&window, &LookupWindow::exitRequested);
        window.Form_Load();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(child<QPushButton>(&window, "Command4"), Qt::LeftButton);
        QCOMPARE(exited.size(), 1);
        QVERIFY(window.isVisible());
        QTest::mouseClick(child<QPushButton>(&window, "Command3"), Qt::LeftButton);
        QCOMPARE(returned.size(), 1);
        QVERIFY(!window.isVisible());
    }

    void chooserHandsOverToTheChosenWindow_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("byTab");
        QTest::newRow("click CODE2NAME") << 1 << false;
        QTest::newRow("click NAME2CODE") << 2 << false;
        QTest::newRow("first Tab chooses CODE2NAME") << 1 << true;
    }
    void chooserHandsOverToTheChosenWindow() {
        QFETCH(int, form);
        QFETCH(bool, byTab);
        ProgramFixture fixture;
        frmMain* chooser = fixture.chooser();
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

        QWidget* chosen = nullptr;
        if (byTab) {
            QTest::keyClick(chooser, Qt::Key_Tab);
            settle();
            chosen = fixture.program().form1();
        } else {
            chosen = fixture.open(form).window;
        }
        QVERIFY(!fixture.program().chooser());
        QVERIFY(chosen && chosen->isVisible());
        QCOMPARE(chosen->objectName(), form == 1 ? "Form1" : "Form2");
        QVERIFY(form == 1 ? !fixture.program().form2() : !fixture.program().form1());
        QVERIFY(QTest::qWaitForWindowActive(chosen));
        verifyCentred(chosen);
        QVERIFY(!chosen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // RETURN loads the chooser afresh, centred again; the window chosen again is where
        // it was (its inside: the frame of a window shown again may be told late).
        const QRect inside = chosen->geometry();
        click(chosen, "Command3");
        QVERIFY(QTest::qWaitForWindowActive(fixture.program().chooser()));
        verifyCentred(fixture.program().chooser());
        QCOMPARE(fixture.open(form).window, chosen);
        QTRY_COMPARE(chosen->geometry(), inside);
    }

    // Typed into the input box, then SEARCH: the input as the key filter left it, and the
    // output; an empty output means the name was missed, which the input box then tells.
    void typeSearchAndDelete_data() {
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
    void typeSearchAndDelete() {
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
        QCOMPARE(background(missed ? boxes.input : boxes.output), kYellow);
        // What a search wrote shows from its start, however long.
        QCOMPARE((missed ? boxes.input : boxes.output)->cursorPosition(), 0);
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

    // What a screen reader announces: each box by its label, spacing included; each button
    // and option by its caption.
    void everyControlHasItsName_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("CODE2NAME") << 1 << QStringList{"INSERT  ICAO CODE", "DISPLAY AIRPORT NAME"};
        QTest::newRow("NAME2CODE") << 2 << QStringList{"INSERT AIRPORT NAME", "DISPLAY  ICAO CODE"};
    }
    void everyControlHasItsName() {
        QFETCH(int, form);
        QFETCH(QStringList, names);
        ProgramFixture fixture;
        const auto nameOf = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        frmMain* chooser = fixture.chooser();
        QCOMPARE(nameOf(option(chooser, 0)) + "/" + nameOf(option(chooser, 1)),
                 QString("CODE2NAME/NAME2CODE"));
        const Boxes boxes = fixture.open(form);
        QCOMPARE(boxes.window->windowTitle(),
                 form == 1 ? "CODE2NAME - BY TOVRAMEK" : "NAME2CODE - BY TOVRAMEK");
        QStringList shown{nameOf(boxes.input), nameOf(boxes.output)};
        for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
            shown.append(nameOf(child<QPushButton>(boxes.window, button)));
        }
        QCOMPARE(shown, names + QStringList({"SEARCH", "DELETE", "RETURN", "EXIT"}));
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
        QVERIFY2(text.contains(QString::fromStdString(icao::utf8Of(fixture.dataFile()))) &&
                     text.contains("No such file or directory"),
                 qPrintable(text));
        QCOMPARE(boxes.input->text(), QString("X"));
        QVERIFY(boxes.output->text().isEmpty() && !boxes.output->isReadOnly());
        QVERIFY(!fixture.program().ended() && boxes.window->isVisible());
    }

    void chooserRefusesACloseFromItsTitleBar() {
        ProgramFixture fixture;
        frmMain* chooser = fixture.chooser();
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
        ProgramFixture fixture(when == "return");
        MessageBoxAnswerer answerer;
        if (when == "return") {
            const Boxes boxes = fixture.open(2);
            std::filesystem::remove(fixture.dataFile());
            click(boxes.window, "Command3");
        } else {
            if (when == "folder") {
                std::filesystem::create_directory(fixture.dataFile());
            }
            fixture.program().start();
        }
        QVERIFY(answerer.seen());
        QCOMPARE(answerer.seen()->title, QString("FILE NON FOUND"));
        QCOMPARE(answerer.seen()->text, QString(kMissingFilePrompt));
        QCOMPARE(answerer.seen()->icon, QMessageBox::Warning);
        QCOMPARE(answerer.seen()->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(fixture.allGone());
    }

    void returnLoadsTheChooserAfreshAndKeepsTheWindow() {
        ProgramFixture fixture;
        const QPointer<frmMain> firstChooser(fixture.chooser());
        const Boxes boxes = fixture.open(1);
        QVERIFY(!firstChooser);
        typeText(boxes.input, "egll");
        click(boxes.window, "Command1");
        // A window manager moves windows in its own time.
        const QPoint where = boxes.window->geometry().topLeft() + QPoint(13, 7);
        boxes.window->move(boxes.window->pos() + QPoint(13, 7));
        QTRY_COMPARE(boxes.window->geometry().topLeft(), where);

        click(boxes.window, "Command3");
        frmMain* again = fixture.program().chooser();
        QVERIFY(again && again->isVisible() && !boxes.window->isVisible());
        QVERIFY(!option(again, 0)->isChecked() && !option(again, 1)->isChecked());
        QVERIFY(again->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        verifyCentred(again);

        QCOMPARE(fixture.open(1).window, boxes.window);
        QTRY_COMPARE(boxes.window->geometry().topLeft(), where);
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
        QVERIFY(fixture.allGone());
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
