// SPDX-License-Identifier: MIT
#include "finder/core/route_client.h"

#include <algorithm>

namespace {

// Whether two records would be marked alike: the same code at the same place.
bool samePlace(const icao::AirportRecord& one, const icao::AirportRecord& other) {
    return one.code == other.code && one.latitude == other.latitude &&
           one.longitude == other.longitude;
}

// Whether two routes go through the same airfields in the same order, so that the map would
// draw them alike; a file read again may have moved one.
bool sameStops(const icao::Route& a, const icao::Route& b) {
    return std::equal(a.legs.begin(), a.legs.end(), b.legs.begin(), b.legs.end(),
                      [](const icao::Leg& one, const icao::Leg& other) {
                          return samePlace(one.from, other.from) && samePlace(one.to, other.to);
                      });
}

} // namespace

RouteClient::RouteClient(QObject* parent) : QObject(parent), planner_(new RoutePlanner) {
    planner_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, planner_, &QObject::deleteLater);
    connect(planner_, &RoutePlanner::planned, this, &RouteClient::show);
    connect(planner_, &RoutePlanner::planFileRead, this, &RouteClient::planFileRead);
    thread_.start();
}

RouteClient::~RouteClient() {
    planner_->abandonAll();
    thread_.quit();
    thread_.wait();
}

template <typename Call> void RouteClient::ask(Call call) {
    QMetaObject::invokeMethod(
        planner_, [planner = planner_, call = std::move(call)] { call(*planner); },
        Qt::QueuedConnection);
}

void RouteClient::plan(const QString& text, bool typed) {
    text_ = text;
    if (text.trimmed().isEmpty()) {
        clear();
        return;
    }
    planner_->latest().store(++generation_);
    ask([generation = generation_, text, typed](RoutePlanner& planner) {
        planner.plan(generation, text, typed);
    });
}

void RouteClient::clear() {
    shown_.reset();
    emit changed(true);
}

void RouteClient::setIndex(const SharedIndex& index) {
    ask([index](RoutePlanner& planner) { planner.setIndex(index); });
}

void RouteClient::readPlanFile(const QString& path) {
    ask([path](RoutePlanner& planner) { planner.readPlanFile(path); });
}

void RouteClient::setNavaids(const SharedNavaids& navaids) {
    ask([navaids](RoutePlanner& planner) { planner.setNavaids(navaids); });
}

void RouteClient::show(const RoutePlan& plan) {
    if (plan.text != text_) {
        return;
    }
    const bool stopsMoved = !shown_ || !sameStops(shown_->route, plan.route);
    shown_ = plan;
    emit changed(stopsMoved);
}
