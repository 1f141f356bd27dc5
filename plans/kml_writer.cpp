// SPDX-License-Identifier: MIT
// KML 2.2 (OGC 07-147r2): a Placemark a stop, and the route's great circles as lines, a part
// each side of the antimeridian.
#include "map/xml_text.h"
#include "plans/plan_writers.h"

namespace icao::writers {

namespace {} // namespace

WrittenPlan kmlOf(const Plan& plan) {
    std::string kml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>" +
                      xmlText(plan.title) + "</name>\n";
    for (const PlanStop& stop : plan.stops) {
        kml += "<Placemark><name>" + xmlText(stop.ident) + "</name>";
        if (!stop.name.empty()) {
            kml += "<description>" + xmlText(stop.name) + "</description>";
        }
        kml += "<ExtendedData><Data name=\"kind\"><value>" + std::string(nameOf(stop.kind)) +
               "</value></Data></ExtendedData><Point><coordinates>" + kmlCoordinates(stop.place) +
               "</coordinates></Point></Placemark>\n";
    }
    kml += "<Placemark><name>" + xmlText(plan.title) + "</name><MultiGeometry>\n";
    for (const std::vector<Place>& part : routeLineParts(plan)) {
        kml += "<LineString><coordinates>";
        for (std::size_t i = 0; i < part.size(); ++i) {
            kml += i == 0 ? "" : " ";
            kml += kmlCoordinates(part[i]);
        }
        kml += "</coordinates></LineString>\n";
    }
    kml += "</MultiGeometry></Placemark>\n</Document>\n</kml>\n";
    return {kml, {}};
}

} // namespace icao::writers
