// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/route_planner.h"
#include "finder/legs_model.h"
#include "records/units.h"

#include <QTimer>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QTableView;
class QTextBrowser;

// The route field and the ground speed over the legs of the route typed and how its stops were
// read. The last word is read as typed whole once typing has rested, or at Enter; a link under
// the legs puts another airfield in a stop's place.
class RoutePane : public QWidget {
    Q_OBJECT

  public:
    explicit RoutePane(QWidget* parent = nullptr);

    QLineEdit* field() const { return route_; }
    QLineEdit* speedField() const { return speed_; }
    QTableView* legs() const { return legs_; }
    QTextBrowser* readings() const { return readings_; }
    QLabel* total() const { return total_; }
    // The legs of the plan, or none.
    void showPlan(const std::optional<RoutePlan>& plan);
    void setDistanceUnit(icao::DistanceUnit unit);
    // A route from elsewhere (a plan file) in the field, read as typed whole.
    void takeRoute(const QString& text);

  signals:
    // The field's text to plan; unless typed is done, its last word may still be typed.
    void planWanted(const QString& text, bool typed);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showLegs();
    void fitLegsHeight();

    QLineEdit* route_;
    QLineEdit* speed_;
    QTableView* legs_;
    // The view's child, so that it outlives the view's own destructor.
    LegsModel* legsModel_;
    // The route's total, under the legs, in sight however far they scroll.
    QLabel* total_;
    // How the stops were read, under the total.
    QTextBrowser* readings_;
    // Reads the route's last word as typed whole once typing has rested: a typo does not wait
    // for Enter to be said.
    QTimer rested_;
    std::optional<RoutePlan> plan_;
    icao::DistanceUnit unit_ = icao::DistanceUnit::NauticalMile;
};
