// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/finder_settings.h"

#include <QMenu>

// Distances in one unit and lengths in another, each a choice of its own, kept for the next
// start.
class UnitsMenu : public QMenu {
    Q_OBJECT

  public:
    explicit UnitsMenu(QWidget* parent = nullptr);

    ShownUnits units() const { return units_; }

  signals:
    void chosen(ShownUnits units);

  private:
    FinderSettings settings_;
    ShownUnits units_;
};
