// SPDX-License-Identifier: MIT
// GPX 1.1 (topografix.com/GPX/1/1): the route as a <rte>, a <rtept> a stop.
#include "map/xml_text.h"
#include "plans/plan_writers.h"

namespace icao::writers {

WrittenPlan gpxOf(const Plan& plan) {
    std::string gpx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<gpx version=\"1.1\" creator=\"icao\" "
                      "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
                      "<rte>\n<name>" +
                      xmlText(plan.title) + "</name>\n";
    for (const PlanStop& stop : plan.stops) {
        gpx += "<rtept lat=\"" + decimal(stop.place.latitude, 6) + "\" lon=\"" +
               decimal(longitudeWithin180(stop.place.longitude), 6) + "\">";
        // In metres, as GPX gives heights.
        if (stop.elevationFt) {
            gpx += "<ele>" + decimal(*stop.elevationFt * 0.3048, 1) + "</ele>";
        }
        gpx += "<name>" + xmlText(stop.ident) + "</name>";
        if (!stop.name.empty()) {
            gpx += "<desc>" + xmlText(stop.name) + "</desc>";
        }
        const std::string_view type = stop.kind == StopKind::Airfield ? "airfield"
                                      : stop.kind == StopKind::Point  ? "point"
                                      : stop.ndb                      ? "NDB"
                                                                      : "VOR";
        gpx += "<type>" + std::string(type) + "</type></rtept>\n";
    }
    gpx += "</rte>\n</gpx>\n";
    return {gpx, {}};
}

} // namespace icao::writers
