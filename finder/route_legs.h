// SPDX-License-Identifier: MIT
#pragma once

#include "finder/search_worker.h"

#include <QString>

// A planned route as rich text: each leg with its distance in nautical miles and kilometres
// and its initial true course, then the total; or why there is no route.
QString routeLegsPage(const RoutePlan& plan);
