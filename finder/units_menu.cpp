// SPDX-License-Identifier: MIT
#include "finder/units_menu.h"

#include <QActionGroup>
#include <algorithm>

UnitsMenu::UnitsMenu(QWidget* parent) : QMenu(tr("&Units"), parent), units_(settings_.units()) {
    auto* distances = new QActionGroup(this);
    for (const auto& [unit, label] :
         {std::pair{icao::DistanceUnit::NauticalMile, tr("&Nautical miles")},
          {icao::DistanceUnit::Kilometre, tr("&Kilometres")},
          {icao::DistanceUnit::StatuteMile, tr("&Statute miles")}}) {
        QAction* choice = distances->addAction(label);
        choice->setObjectName(QString("distance_") + icao::nameOf(unit).key.data());
        choice->setCheckable(true);
        choice->setChecked(unit == units_.distance);
        connect(choice, &QAction::triggered, this, [this, unit = unit] {
            units_.distance = unit;
            settings_.setDistanceUnit(unit);
            emit chosen(units_);
        });
    }
    addSection(tr("Distances"));
    addActions(distances->actions());
    auto* lengths = new QActionGroup(this);
    for (const auto& [unit, label, name] : {std::tuple{icao::LengthUnit::Foot, tr("&Feet"), "ft"},
                                            {icao::LengthUnit::Metre, tr("&Metres"), "m"}}) {
        QAction* choice = lengths->addAction(label);
        choice->setObjectName(QString("length_") + name);
        choice->setCheckable(true);
        choice->setChecked(unit == units_.length);
        connect(choice, &QAction::triggered, this, [this, unit = unit] {
            units_.length = unit;
            settings_.setLengthUnit(unit);
            emit chosen(units_);
        });
    }
    addSection(tr("Lengths and elevations"));
    addActions(lengths->actions());
    // Some styles size a menu by its actions alone and cut a section's heading.
    int widest = 0;
    for (const QAction* action : actions()) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(action->text()));
    }
    setMinimumWidth(widest + 6 * fontMetrics().averageCharWidth());
}
