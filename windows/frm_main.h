// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>
#include <array>

class Program;

inline constexpr char kMissingFilePrompt[] =
    "PAY ATTENTION!!! THE AIRPORTS.TXT FILE ISN'T IN THE SAME FOLDER OF THE MAIN PROGRAM - THE "
    "SOFTWARE DON'T WORK - PUT THE AIRPORTS.TXT FILE IN THE SAME FOLDER";
inline constexpr char kMissingFileTitle[] = "FILE NON FOUND";

// The chooser: offers the two lookups and hands over to the chosen lookup window the moment
// one of its options receives the focus. It stays above other windows and refuses to be
// closed from its title bar.
class frmMain final : public QWidget {
    Q_OBJECT

  public:
    explicit frmMain(Program& program);

    // Centres the window, clears both options and checks for the data file; without it,
    // warns and ends the program. Otherwise keeps the window on top.
    void Form_Load();
    void Form_Resize();
    void Option1_GotFocus(short Index);
    // UnloadMode 0 is a close asked for from the window's title bar.
    void Form_QueryUnload(short& Cancel, short UnloadMode);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void makeTopmost();

    Program& program_;
    QGroupBox* Frame3;
    std::array<QRadioButton*, 2> Option1;
};
