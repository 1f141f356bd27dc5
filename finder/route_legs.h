// SPDX-License-Identifier: MIT
#pragma once

#include "finder/search_worker.h"

#include <QString>
#include <cstddef>

// The scheme of the links that choose another airfield for a stop: "stop:2:EGKK".
inline constexpr char kRouteStopLinkScheme[] = "stop";

// A planned route as rich text: how each stop that is not an ICAO code was read, with the
// other airfields it may mean as links, the words still being read, then each leg with its
// distance in nautical miles and kilometres and its initial true course, and the total; or
// why there is no route.
QString routeLegsPage(const RoutePlan& plan);

// The route's text with the stop at `at` made this code and every stop read made its code.
QString routeWithStop(const RoutePlan& plan, std::size_t at, const QString& code);
