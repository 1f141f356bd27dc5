// SPDX-License-Identifier: MIT
#pragma once

#include "finder/help_pages.h"

#include <QMenu>
#include <functional>

class QMenuBar;

// Help > Keyboard shortcuts and Help > About, each in a box that leaves the window in use.
class HelpMenu : public QMenu {
    Q_OBJECT

  public:
    // The shortcuts are those of the bar's menus; the facts, the data read when asked.
    HelpMenu(QMenuBar* bar, std::function<DataFacts()> facts);

  private:
    void showBox(const QString& name, const QString& title, const QString& page);
};
