// SPDX-License-Identifier: MIT
#pragma once

#include "windows/lookup_window_design.h"

#include <QLineEdit>
#include <QWidget>
#include <filesystem>

// The window both lookups share: an input box and an output box, each with a label, and
// SEARCH, DELETE, RETURN and EXIT. A design table sets the two windows apart. SEARCH reads the
// data file given; RETURN, EXIT and the close box ask the program to act.
//
// Its handlers bear the code-to-name window's control names; in the name-to-code window the
// same handlers serve Text3 (for Text1) and Text4 (for Text2).
class LookupWindow : public QWidget {
    Q_OBJECT

  public:
    LookupWindow(const LookupWindowDesign& design, std::filesystem::path dataFile);

    void Form_Load();
    void Form_Activate();
    // The upper-case key filter: a typed a to z becomes A to Z.
    short Upper(short& KeyAscii);
    void Text1_KeyPress(short& KeyAscii);
    void Text1_KeyDown();
    void Text1_Change();
    void Text2_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

  signals:
    // RETURN: the window hid itself, and the chooser is wanted.
    void returnRequested();
    // EXIT.
    void exitRequested();
    // Closed from its title bar or by the system, and let go.
    void closed();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    const LookupWindowDesign& design_;
    std::filesystem::path dataFile_;
    QLineEdit* input_;
    QLineEdit* output_;
    // Set while a key press replaced by the key filter is passed on to the input box.
    bool replayingKey_ = false;
};
