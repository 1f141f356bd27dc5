#pragma once

#include "support/fixtures.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/frm_main.h"
#include "windows/program.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace fixtures {

inline const QByteArray kAirports = "L|EGLL|London Heathrow Airport|London|GB|LHR|\n"
                                    "L|LSZH|Zürich Airport|Zurich|CH|ZRH|\n"
                                    "M|EGNT|Newcastle Airport|Newcastle|GB|NCL|\n";
inline const QColor kYellow(255, 255, 0);

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

inline QRadioButton* option(frmMain* chooser, int index) {
    for (auto* option : chooser->findChildren<QRadioButton*>("Option1")) {
        if (option->property("Index").toInt() == index) {
            return option;
        }
    }
    return nullptr;
}

// Types text key by key, as a keyboard would; a letter beyond ASCII comes as an unnamed key.
inline void typeText(QWidget* widget, const QString& text) {
    for (QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
}

inline void paste(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(box, QKeySequence::Paste);
}

inline QColor background(const QLineEdit* box) {
    return box->palette().color(QPalette::Base);
}

// Lets deferred deletions of unloaded windows happen, as the event loop would.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    settle();
}

inline bool anyWindowVisible() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            return true;
        }
    }
    return false;
}

// A lookup window with its input and output boxes.
struct Boxes {
    QWidget* window;
    QLineEdit* input;
    QLineEdit* output;
};

// A program over a temporary data folder, fresh for each test.
class ProgramFixture {
  public:
    explicit ProgramFixture(const QByteArray* data = &kAirports) {
        if (data) {
            folder_.write(*data);
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

    // Starts the program and waits for the chooser to be active.
    frmMain* start() {
        program_->start();
        if (program_->chooser() && !QTest::qWaitForWindowActive(program_->chooser())) {
            qWarning("the chooser did not become active");
        }
        return program_->chooser();
    }

    // Chooses lookup window 1 or 2 by clicking its option, starting the program if need be.
    Boxes open(int form) {
        frmMain* chooser = program_->chooser() ? program_->chooser() : start();
        // An option takes the focus, and so chooses, only in the active window.
        if (!QTest::qWaitForWindowActive(chooser)) {
            qWarning("the chooser did not become active");
        }
        QTest::mouseClick(option(chooser, form - 1), Qt::LeftButton);
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
    DataFolder folder_;
    std::unique_ptr<Program> program_;
    int quitRequests_ = 0;
};

} // namespace fixtures
