// SPDX-License-Identifier: MIT
// The route as ICAO's flight plan form writes it in Item 15 (Doc 4444, Appendix 2): the
// stops apart by DCT, a point in degrees and minutes (5030N00100W); and its legs as CSV.
#include "plans/csv_text.h"
#include "plans/plan_writers.h"
#include "records/geo.h"

namespace icao::writers {

WrittenPlan icaoRouteOf(const Plan& plan) {
    WrittenPlan written;
    bool pointsRounded = false;
    for (const PlanStop& stop : plan.stops) {
        std::string word = stop.ident;
        if (stop.kind == StopKind::Point) {
            word = coordinatesWord(stop.place, false);
            // The same place to the second, had it lain on a whole minute.
            const std::string onTheMinute =
                word.substr(0, 4) + "00" + word.substr(4, 6) + "00" + word.substr(10);
            pointsRounded = pointsRounded || coordinatesWord(stop.place) != onTheMinute;
        }
        written.text += written.text.empty() ? "" : " DCT ";
        written.text += word;
    }
    written.text += "\n";
    if (pointsRounded) {
        written.changes.push_back(
            "icao: points written to the nearest minute, as Item 15 holds them");
    }
    return written;
}

WrittenPlan csvOf(const Plan& plan) {
    std::string csv = csvLine({"from", "to", "distance_nm", "distance_km", "initial_true_course",
                               "initial_magnetic_course"});
    for (std::size_t i = 0; i < plan.legs.size() && i + 1 < plan.stops.size(); ++i) {
        const PlanLeg& leg = plan.legs[i];
        csv += csvLine({plan.stops[i].ident, plan.stops[i + 1].ident,
                        decimal(leg.distanceKm / kKmPerNauticalMile, 1), decimal(leg.distanceKm, 1),
                        decimal(leg.trueCourse, 1), decimal(leg.magneticCourse, 1)});
    }
    return {csv, {}};
}

} // namespace icao::writers
