// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <filesystem>

inline constexpr char kMissingFilePrompt[] =
    "PAY ATTENTION!!! THE AIRPORTS.TXT FILE ISN'T IN THE SAME FOLDER OF THE MAIN PROGRAM - THE "
    "SOFTWARE DON'T WORK - PUT THE AIRPORTS.TXT FILE IN THE SAME FOLDER";
inline constexpr char kMissingFileTitle[] = "FILE NON FOUND";

// The chooser: offers the two lookups and asks for the chosen lookup window the moment one of
// its options receives the focus. It stays above other windows and refuses to be closed from
// its title bar.
class frmMain final : public QWidget {
    Q_OBJECT

  public:
    // The data folder is where airports.txt must stand.
    explicit frmMain(std::filesystem::path dataFolder);

    // Centres the window, clears both options and checks for the data file; without it,
    // warns and asks to end the program. Otherwise keeps the window on top.
    void Form_Load();
    void Form_Resize();
    void Option1_GotFocus(short Index);
    // UnloadMode 0 is a close asked for from the window's title bar.
    void Form_QueryUnload(short& Cancel, short UnloadMode);

  signals:
    // Option Index (0 CODE2NAME, 1 NAME2CODE) took the focus.
    void optionChosen(short Index);
    // The data file is missing, and the user was told.
    void endRequested();
    // Closed from outside, and let go.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void makeTopmost();

    std::filesystem::path dataFolder_;
    QGroupBox* Frame3;
    std::array<QRadioButton*, 2> Option1;
};
