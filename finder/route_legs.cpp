// SPDX-License-Identifier: MIT
#include "finder/route_legs.h"

#include "finder/qt_text.h"
#include "records/geo.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("RouteLegs", text);
}

// In nautical miles and kilometres, a cell each.
QString distanceCells(double km) {
    return QString("<td align=right>%1 NM</td><td align=right>%2 km</td>")
        .arg(km / icao::kKmPerNauticalMile, 0, 'f', 0)
        .arg(km, 0, 'f', 0);
}

} // namespace

QString routeLegsPage(const RoutePlan& plan) {
    if (!plan.unknown.isEmpty()) {
        return tr("No airfield found for %1").arg(plan.unknown.join(", ")).toHtmlEscaped();
    }
    if (plan.route.legs.empty()) {
        return tr("A route needs two airfields or more");
    }
    QString rows;
    for (const icao::Leg& leg : plan.route.legs) {
        // One pass of arg(), so that a code holding "%1" stays as it is.
        const QString course =
            QString::number(static_cast<int>(std::lround(leg.course)) % 360).rightJustified(3, '0');
        rows += QString("<tr><td>%1 → %2</td>%3<td align=right>%4°</td></tr>")
                    .arg(qt(leg.from.code).toHtmlEscaped(), qt(leg.to.code).toHtmlEscaped(),
                         distanceCells(leg.distanceKm), course);
    }
    rows += "<tr><th align=left>" + tr("total").toHtmlEscaped() + "</th>" +
            distanceCells(plan.route.totalKm) + "</tr>";
    return "<table cellspacing=6>" + rows + "</table>";
}
