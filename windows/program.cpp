// SPDX-License-Identifier: MIT
#include "windows/program.h"

#include "lookup/data_file.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/frm_main.h"

Program::Program(std::filesystem::path dataFolder, std::function<void()> quit)
    : dataFolder_(std::move(dataFolder)), quit_(std::move(quit)) {}

Program::~Program() {
    delete chooser_;
    delete form1_;
    delete form2_;
}

frmMain* Program::chooser() const {
    return chooser_;
}
Form1* Program::form1() const {
    return form1_;
}
Form2* Program::form2() const {
    return form2_;
}

void Program::showChooser() {
    if (ended_) {
        return;
    }
    if (!chooser_) {
        chooser_ = new frmMain(dataFolder_);
        QObject::connect(chooser_, &frmMain::optionChosen, [this](short index) {
            unloadChooser();
            index == 0 ? showForm1() : showForm2();
        });
        QObject::connect(chooser_, &frmMain::endRequested, [this] { end(); });
        frmMain* chooser = chooser_;
        QObject::connect(chooser, &frmMain::closed, [this, chooser] { windowClosed(*chooser); });
        chooser_->Form_Load();
        if (ended_) {
            return;
        }
    }
    chooser_->show();
    chooser_->activateWindow();
}

template <class Window> void Program::showLookupWindow(QPointer<Window>& window) {
    if (ended_) {
        return;
    }
    if (!window) {
        window = new Window(icao::dataFilePath(dataFolder_));
        Window* loaded = window;
        QObject::connect(loaded, &LookupWindow::returnRequested, [this] { showChooser(); });
        QObject::connect(loaded, &LookupWindow::exitRequested, [this] { end(); });
        QObject::connect(loaded, &LookupWindow::closed, [this, loaded] { windowClosed(*loaded); });
        window->Form_Load();
    }
    window->show();
    window->activateWindow();
}

void Program::showForm1() {
    showLookupWindow(form1_);
}
void Program::showForm2() {
    showLookupWindow(form2_);
}

// Called from the window's own handlers, so the object itself goes at the next return to the
// event loop; from now on it counts as not loaded.
template <class Window> void Program::unload(QPointer<Window>& window) {
    if (Window* gone = window.data()) {
        window.clear();
        gone->hide();
        gone->deleteLater();
    }
}

void Program::unloadChooser() {
    unload(chooser_);
}

void Program::windowClosed(QWidget& window) {
    if (&window == chooser_.data()) {
        unload(chooser_);
    } else if (&window == form1_.data()) {
        unload(form1_);
    } else if (&window == form2_.data()) {
        unload(form2_);
    }
    // A window that is only hidden cannot be reached again once nothing is visible, so the
    // program ends then rather than run on with no window.
    if (!anyWindowVisible()) {
        end();
    }
}

bool Program::anyWindowVisible() const {
    return (chooser_ && chooser_->isVisible()) || (form1_ && form1_->isVisible()) ||
           (form2_ && form2_->isVisible());
}

void Program::end() {
    ended_ = true;
    unload(chooser_);
    unload(form1_);
    unload(form2_);
    quit_();
}
