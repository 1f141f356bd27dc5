// SPDX-License-Identifier: MIT
#pragma once

#include "search/find.h"
#include "search/route_reading.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

// A route typed as codes or names: how each stop was read, and the legs through them.
struct RoutePlan {
    QString text;
    icao::RouteReading reading;
    icao::Route route;
    // The words of a route too long to read; 0 for one read.
    std::size_t refusedWords = 0;
};

// The records in memory, shared by the threads that search them; held by each while it asks.
using SharedIndex = std::shared_ptr<icao::AirportIndex>;
// The navaids of navaids.txt, shared likewise.
using SharedNavaids = std::shared_ptr<const std::vector<icao::Navaid>>;

Q_DECLARE_METATYPE(RoutePlan)
Q_DECLARE_METATYPE(SharedIndex)
Q_DECLARE_METATYPE(SharedNavaids)

// Reads routes, on a thread of its own, so that a long route never holds up a search: a plan
// asked for while a newer one waits is skipped, and one running is abandoned when a newer one
// is asked for or the window closes.
class RoutePlanner : public QObject {
    Q_OBJECT

  public:
    // The generation of the newest plan asked for; the window raises it before each request.
    std::atomic<quint64>& latest() { return latest_; }
    // Abandons every plan, asked or running: the window is closing.
    void abandonAll() { latest_.store(kAbandoned); }

  public slots:
    // The records the plans read from now on; none while a file is read.
    void setIndex(const SharedIndex& index) { index_ = index; }
    // The navaids a flight plan's idents are read as.
    void setNavaids(const SharedNavaids& navaids) { navaids_ = navaids; }
    // Reads the text as icao dist does; unless typed is done, a last word that reads as
    // nothing yet waits.
    void plan(quint64 generation, const QString& text, bool typed);
    // Reads a plan file's route as the route field would take it: its waypoints the airfields
    // and navaids of the records they name, where those lie near, else points.
    void readPlanFile(const QString& path);

  signals:
    void planned(const RoutePlan& plan);
    // The route a plan file holds, or why it holds none ("plan.gpx: is not XML ...").
    void planFileRead(const QString& routeText, const QString& error);

  private:
    static constexpr quint64 kAbandoned = ~quint64{0};

    SharedIndex index_;
    SharedNavaids navaids_;
    std::atomic<quint64> latest_{0};
};
