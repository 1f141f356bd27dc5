// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>

class frmMain;
class Form1;
class Form2;

// The program's three one-instance windows and the way between them: the windows say what the
// user asked for, and the program alone decides which window shows and when the program
// ends. A window is loaded (created with its controls) when first shown, may be hidden while
// loaded, and loses all its state when unloaded. The program ends when no loaded window is
// left, or at once by end().
class Program {
  public:
    // The data folder holds airports.txt: the program's own folder, or a test's. quit leaves
    // the application's event loop once the windows are gone.
    explicit Program(
        std::filesystem::path dataFolder,
        std::function<void()> quit = [] { QCoreApplication::exit(0); });
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starting the program loads and shows the chooser.
    void start() { showChooser(); }

    // Ends the program at once: every window goes away, and none runs its close handling.
    void end();

    bool ended() const { return ended_; }

    // The loaded windows; nullptr for one that is not loaded.
    frmMain* chooser() const;
    Form1* form1() const;
    Form2* form2() const;

  private:
    void showChooser();
    void showForm1();
    void showForm2();
    void unloadChooser();
    // A window closed from its title bar (or by the system) and let go: it is unloaded.
    void windowClosed(QWidget& window);
    template <class Window> void showLookupWindow(QPointer<Window>& window);
    template <class Window> void unload(QPointer<Window>& window);
    bool anyWindowVisible() const;

    std::filesystem::path dataFolder_;
    std::function<void()> quit_;
    QPointer<frmMain> chooser_;
    QPointer<Form1> form1_;
    QPointer<Form2> form2_;
    bool ended_ = false;
};
