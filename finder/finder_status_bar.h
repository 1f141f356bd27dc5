// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/finder_controller.h"

#include <QStatusBar>

class QLabel;
class QLineEdit;
class QPushButton;

// What the search answered and how many more rows it holds, the data file read, and the
// passing notes: a copy made, a field's text cut at its brim.
class FinderStatusBar : public QStatusBar {
    Q_OBJECT

  public:
    explicit FinderStatusBar(QWidget* parent = nullptr);

    void showStatus(const QString& text);
    // How many rows the answer holds beyond those shown; none hides Show more.
    void showUnshown(std::size_t unshown);
    // The file, and whether it is read, in the window's title too.
    void showFile(const DataFileState& state);
    void showCopied(const QString& text);
    // Says so when the field is filled to the brim: its text may have been cut.
    void watchBrim(QLineEdit* field);

  signals:
    void moreWanted();

  private:
    QLabel* status_;
    QPushButton* more_;
    QLabel* file_;
};
