// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/search_worker.h"
#include "finder/core/shown_units.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

// A link that puts another airfield in a stop's place, under the readings: "stop:2:EGKK".
struct StopLink {
    std::size_t at = 0;
    QString code;
};
QString linkText(const StopLink& link);
// The link a text holds; none where it is no stop's link.
std::optional<StopLink> stopLinkOf(const QString& text);

// How the legs are told: distances in this unit and, at a ground speed in knots, the time to
// fly each leg and the whole route; a speed typed that cannot be read is said so.
struct LegsTelling {
    icao::DistanceUnit unit = icao::DistanceUnit::NauticalMile;
    std::optional<double> knots;
    bool speedUnread = false;
    // The year the magnetic courses are of, as a decimal year.
    double year = 2026;
};

// A planned route's legs as a table: each leg ("EGLL → LSZH"), its distance and its time at
// the speed where one is given, its initial true and magnetic course, and the distance and
// time so far; and the total, told apart, so that it stays in sight however long the route.
// No rows where there is no route.
struct LegsTable {
    QStringList headings;
    // What each heading means.
    QStringList meanings;
    std::vector<QStringList> rows;
    QString total;
};
LegsTable legsTableOf(const RoutePlan& plan, const LegsTelling& telling);

// How each stop that is not an ICAO code was read, as rich text, with the other airfields it
// may mean as links, and the words still being read; or why there is no route.
QString routeReadingsPage(const RoutePlan& plan, const LegsTelling& telling);

// The route's text with the stop at `at` made this code and every stop read made its code.
QString routeWithStop(const RoutePlan& plan, std::size_t at, const QString& code);
