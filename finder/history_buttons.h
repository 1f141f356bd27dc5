// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAction;
class QWidget;

// The mouse's back and forward buttons, wherever in the window they are pressed, trigger its
// Back and Forward; installed on the application, which sees every widget's presses.
class HistoryButtons : public QObject {
    Q_OBJECT

  public:
    HistoryButtons(QWidget* window, QAction* back, QAction* forward);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    QAction* back_;
    QAction* forward_;
};
