// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/route_planner.h"

#include <QObject>
#include <QThread>
#include <optional>

// The route planner on a thread of its own, and the plan of the route text last asked for:
// a plan of a text since changed is dropped, and a plan running is abandoned for a newer one.
class RouteClient : public QObject {
    Q_OBJECT

  public:
    explicit RouteClient(QObject* parent = nullptr);
    // A plan still running is abandoned, so that the window closes at once.
    ~RouteClient() override;

    // Reads the text; unless typed is done, its last word may still be being typed. No text
    // is no route, at once.
    void plan(const QString& text, bool typed);
    // The text asked for again, as typed whole: the records it reads from changed.
    void planAgain() { plan(text_, true); }
    // No route, as when the records cannot be read.
    void clear();
    void setIndex(const SharedIndex& index);
    // Reads a plan file's route on the planner's thread; planFileRead tells it.
    void readPlanFile(const QString& path);
    void setNavaids(const SharedNavaids& navaids);

    const std::optional<RoutePlan>& shown() const { return shown_; }
    // The planner, on its thread; a test may keep it busy.
    RoutePlanner* planner() const { return planner_; }

  signals:
    // The route shown changed; `stopsMoved` unless it goes through the same airfields as
    // before, as when a word is typed on without changing a stop.
    void changed(bool stopsMoved);
    void planFileRead(const QString& routeText, const QString& error);

  private:
    template <typename Call> void ask(Call call);
    void show(const RoutePlan& plan);

    QThread thread_;
    RoutePlanner* planner_;
    quint64 generation_ = 0;
    QString text_;
    std::optional<RoutePlan> shown_;
};
