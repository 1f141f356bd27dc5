#pragma once

#include "support/fixtures.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/frm_main.h"
#include "windows/program.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace fixtures {

inline const QByteArray kAirports = "L|EGLL|London Heathrow Airport|London|GB|LHR|\n"
                                    "L|LSZH|Zürich Airport|Zurich|CH|ZRH|\n"
                                    "M|EGNT|Newcastle Airport|Newcastle|GB|NCL|\n";

// What a modal message box showed before it was answered with its default button.
struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Watches for the next modal message box and answers it, as a user would, while the code
// under test waits in the box's own event loop.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            seen_ = SeenMessageBox{box->windowTitle(), box->text(), box->icon(),
                                   box->standardButtons()};
            timer_.stop();
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        });
        timer_.start();
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
    const auto options = chooser->findChildren<QRadioButton*>("Option1");
    const auto found = std::find_if(options.begin(), options.end(), [index](QRadioButton* o) {
        return o->property("Index").toInt() == index;
    });
    return found == options.end() ? nullptr : *found;
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

inline QColor background(const QLineEdit* box) {
    return box->palette().color(QPalette::Base);
}

// Lets deferred deletions of unloaded windows happen, as the event loop would.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

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
        if (auto* chooser = program_->chooser()) {
            if (!QTest::qWaitForWindowActive(chooser)) {
                qWarning("the chooser did not become active");
            }
        }
        return program_->chooser();
    }

    // Starts the program and chooses a lookup window by clicking its option.
    template <class Window> Window* open() {
        frmMain* chooser = program_->chooser() ? program_->chooser() : start();
        // An option takes the focus, and so chooses, only in the active window.
        if (!QTest::qWaitForWindowActive(chooser)) {
            qWarning("the chooser did not become active");
        }
        constexpr int index = std::is_same_v<Window, Form1> ? 0 : 1;
        QTest::mouseClick(option(chooser, index), Qt::LeftButton);
        settle();
        Window* window = nullptr;
        if constexpr (index == 0) {
            window = program_->form1();
        } else {
            window = program_->form2();
        }
        if (window && !QTest::qWaitForWindowActive(window)) {
            qWarning("the lookup window did not become active");
        }
        return window;
    }

  private:
    DataFolder folder_;
    std::unique_ptr<Program> program_;
    int quitRequests_ = 0;
};

inline bool anyWindowVisible() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

} // namespace fixtures
