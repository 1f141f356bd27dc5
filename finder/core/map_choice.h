// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <optional>
#include <utility>

// What the map shows: what was asked for last, an airfield or a route; while that has nothing
// to show, the other. The map is drawn anew only when what it should show changes, so that the
// user's zoom and pan stay otherwise.
class MapChoice {
  public:
    // The overview is what the map shows while it is about nothing in particular.
    enum class Subject { Overview, Airfield, Route };

    void askForAirfield() { asked_ = Subject::Airfield; }
    void askForRoute() { asked_ = Subject::Route; }
    // Another airfield shown, or none.
    void airfieldChanged(bool shown);
    // What the overview holds changed.
    void overviewChanged() { ++overviewVersion_; }
    // Another route shown: with legs or without; its stops moved or the same as before.
    void routeChanged(bool hasLegs, bool stopsMoved);

    // Whether the map shows the route now.
    bool showsRoute() const { return drawn_.first == Subject::Route; }
    // What the map should show now, where it does not show it already.
    std::optional<Subject> toDraw();

  private:
    Subject asked_ = Subject::Airfield;
    bool airfieldShown_ = false;
    bool routeHasLegs_ = false;
    // Raised with each airfield or route shown, to tell one drawing from the next.
    quint64 airfieldVersion_ = 0;
    quint64 routeVersion_ = 0;
    quint64 overviewVersion_ = 0;
    std::pair<Subject, quint64> drawn_{Subject::Overview, 0};
};
