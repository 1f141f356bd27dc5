// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

class QLineEdit;

// Back and Forward through the airfields looked at, as a browser's, by the mouse's own buttons
// too; and keys to the two fields from anywhere in the window.
class GoMenu : public QMenu {
    Q_OBJECT

  public:
    GoMenu(QWidget* window, QLineEdit* search, QLineEdit* route);

    void showHistory(bool canGoBack, bool canGoForward);

  signals:
    void backWanted();
    void forwardWanted();

  private:
    QAction* back_;
    QAction* forward_;
};
