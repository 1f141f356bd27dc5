// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/search_worker.h"
#include "finder/core/shown_units.h"

#include <QTextBrowser>
#include <QTimer>
#include <optional>

// The selected airfield's details, its local time kept current; a neighbour's link asks for
// that airfield.
class DetailsPane : public QTextBrowser {
    Q_OBJECT

  public:
    explicit DetailsPane(QWidget* parent = nullptr);

    // The airfield's details, or none.
    void showAirfield(const std::optional<DescribedAirfield>& airfield);
    void setUnits(ShownUnits units);

  signals:
    void airfieldChosen(const QString& code);

  private:
    void showPage();

    std::optional<DescribedAirfield> airfield_;
    ShownUnits units_;
    QTimer minute_;
};
