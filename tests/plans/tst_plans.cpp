// SPDX-License-Identifier: MIT
#include "plans/plan_formats.h"
#include "plans/plan_reader.h"
#include "plans/plan_route.h"
#include "plans/plan_writers.h"

#include <QTest>
#include <cmath>

namespace {

icao::PlanStop stop(std::string ident, icao::StopKind kind, icao::Place place) {
    return {std::move(ident), "Name of " + ident, kind, place, 100.0, "GB", false};
}

icao::Plan planThrough(std::vector<icao::PlanStop> stops) {
    icao::Plan plan;
    plan.stops = std::move(stops);
    for (std::size_t i = 0; i + 1 < plan.stops.size(); ++i) {
        const double km = icao::distanceKm(plan.stops[i].place, plan.stops[i + 1].place);
        plan.legs.push_back({km, 90, 91});
        plan.totalKm += km;
    }
    plan.title = "a plan";
    return plan;
}

std::vector<icao::PlanWaypoint> readBack(const icao::Plan& plan, icao::PlanFormat format) {
    const icao::WrittenPlan written = icao::writePlan(plan, format, {});
    const auto file = icao::readPlanBytes(written.text, "plan");
    if (!file) {
        qWarning("%s", file.error().describe().c_str());
        return {};
    }
    return file->waypoints;
}

} // namespace

class PlansTest : public QObject {
    Q_OBJECT

  private slots:
    // To the second, or to the minute, a carry running on into the degree.
    void coordinatesAreWrittenAsFlightPlansWriteThem() {
        QCOMPARE(icao::coordinatesWord({50.5, -1.0}), std::string("503000N0010000W"));
        QCOMPARE(icao::coordinatesWord({-33.94611, 151.17722}), std::string("335646S1511038E"));
        QCOMPARE(icao::coordinatesWord({50.99999, -0.99999}), std::string("510000N0010000W"));
        QCOMPARE(icao::coordinatesWord({50.99999, 179.9999}, false), std::string("5100N18000E"));
    }

    // Every format but the ICAO string gives back each stop, its kind where the format tells
    // it, and its place to the file's precision; a navaid keeps NDB or VHF apart.
    void everyFormatGivesBackItsStops_data() {
        QTest::addColumn<int>("format");
        for (const icao::PlanFormatName& name : icao::kPlanFormats) {
            if (name.format != icao::PlanFormat::IcaoRoute &&
                name.format != icao::PlanFormat::Csv) {
                QTest::newRow(name.name.data()) << static_cast<int>(name.format);
            }
        }
    }
    void everyFormatGivesBackItsStops() {
        QFETCH(int, format);
        icao::PlanStop beacon = stop("OX", icao::StopKind::Navaid, {51.5, -1.2});
        beacon.ndb = true;
        const icao::Plan plan =
            planThrough({stop("EGLL", icao::StopKind::Airfield, {51.47, -0.46}), beacon,
                         stop("503015N0010030W", icao::StopKind::Point, {50.504167, -1.008333}),
                         stop("RJTT", icao::StopKind::Airfield, {35.549678, 179.786958})});
        const auto waypoints = readBack(plan, static_cast<icao::PlanFormat>(format));
        QCOMPARE(waypoints.size(), plan.stops.size());
        for (std::size_t i = 0; i < waypoints.size(); ++i) {
            const auto& read = waypoints[i];
            const auto& written = plan.stops[i];
            QVERIFY2(std::fabs(read.place.latitude - written.place.latitude) < 2e-6 &&
                         std::fabs(read.place.longitude - written.place.longitude) < 2e-6,
                     written.ident.c_str());
            QCOMPARE(read.kind, std::optional(written.kind));
            if (written.kind != icao::StopKind::Point) {
                QCOMPARE(read.ident, written.ident);
            }
        }
    }

    // A route over the antimeridian is cut there, both parts ending at one latitude; one that
    // stays on a side is one part.
    void linesAreCutAtTheAntimeridian() {
        const auto pacific = icao::writers::routeLineParts(
            planThrough({stop("RJTT", icao::StopKind::Airfield, {35.55, 139.78}),
                         stop("KSFO", icao::StopKind::Airfield, {37.62, -122.37})}));
        QCOMPARE(pacific.size(), std::size_t{2});
        QCOMPARE(pacific[0].back().longitude, 180.0);
        QCOMPARE(pacific[1].front().longitude, -180.0);
        QCOMPARE(pacific[0].back().latitude, pacific[1].front().latitude);
        for (const auto& part : pacific) {
            for (std::size_t i = 1; i < part.size(); ++i) {
                QVERIFY(std::fabs(part[i].longitude - part[i - 1].longitude) < 180);
            }
        }
        QCOMPARE(icao::writers::routeLineParts(
                     planThrough({stop("EGLL", icao::StopKind::Airfield, {51.47, -0.46}),
                                  stop("LFPG", icao::StopKind::Airfield, {49.0, 2.55})}))
                     .size(),
                 std::size_t{1});
    }

    // A waypoint is what it names only near the place the file gives; else a point. One DCT
    // makes a plan of airfields and navaids a flight plan, coordinates do without.
    void waypointsNameWhatLiesNear() {
        const icao::PlanLookup lookup{
            [](const std::string& code) -> std::optional<icao::Place> {
                return code == "EGLL" ? std::optional(icao::Place{51.47, -0.46}) : std::nullopt;
            },
            [](const std::string& ident) {
                return ident == "CPT" ? std::vector{icao::Place{51.49, -1.22}}
                                      : std::vector<icao::Place>{};
            }};
        const auto text = [&lookup](std::vector<icao::PlanWaypoint> waypoints) {
            return icao::routeTextOf({"gpx", std::move(waypoints), {}}, lookup);
        };
        QCOMPARE(text({{"EGLL", {}, {}, {51.48, -0.45}}, {"cpt", {}, {}, {51.5, -1.2}}}),
                 std::string("EGLL DCT CPT"));
        // 20 km off: the file means another place.
        QCOMPARE(text({{"EGLL", {}, {}, {51.65, -0.46}}, {"CPT", {}, {}, {51.49, -1.22}}}),
                 std::string("513900N0002736W CPT"));
        QCOMPARE(text({{"EGLL", {}, icao::StopKind::Point, {51.47, -0.46}},
                       {"XYZ", {}, {}, {51.0, -1.0}}}),
                 std::string("512812N0002736W 510000N0010000W"));
    }

    // What files of other programs write: FPL's route in another order than its table, PLN's
    // positions, a GeoJSON line in two parts, FMS version 3.
    void plansOfOtherProgramsAreRead() {
        const auto fpl = icao::readPlanBytes(
            "<flight-plan "
            "xmlns=\"http://www8.garmin.com/xmlschemas/FlightPlan/v1\"><waypoint-table>\n"
            "<waypoint><identifier>B</identifier><type>VOR</type><lat>2</lat><lon>2</lon></"
            "waypoint>\n"
            "<waypoint><identifier>A</identifier><type>AIRPORT</type><lat>1</lat><lon>1</lon></"
            "waypoint>\n"
            "</waypoint-table><route><route-point><waypoint-identifier>A</waypoint-identifier>\n"
            "<waypoint-type>AIRPORT</waypoint-type></"
            "route-point><route-point><waypoint-identifier>B\n"
            "</waypoint-identifier><waypoint-type>VOR</waypoint-type></route-point></route></"
            "flight-plan>",
            "a.fpl");
        QVERIFY(fpl);
        QCOMPARE(fpl->waypoints.front().ident, std::string("A"));
        QCOMPARE(fpl->waypoints.back().kind, std::optional(icao::StopKind::Navaid));
        const auto pln = icao::readPlanBytes(
            "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"X\"><WorldPosition>"
            "S33\u00b0 56' 46.00\",E151\u00b0 10' 38.00\",+000021.00</WorldPosition>"
            "</ATCWaypoint><ATCWaypoint id=\"Y\"><WorldPosition>N1\u00b0 0' 0.00\",W1\u00b0 30' "
            "0.00\",+000000.00</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan>"
            "</SimBase.Document>",
            "a.pln");
        QVERIFY(pln);
        QVERIFY(std::fabs(pln->waypoints[0].place.latitude + 33.946111) < 1e-6);
        QVERIFY(std::fabs(pln->waypoints[1].place.longitude + 1.5) < 1e-9);
        const auto line = icao::readPlanBytes("{\"type\": \"MultiLineString\", \"coordinates\": "
                                              "[[[170, 10], [180, 11]], [[-180, 11], [-170, 12]]]}",
                                              "a.geojson");
        QVERIFY(line);
        QCOMPARE(line->waypoints.size(), std::size_t{3});
        const auto fms = icao::readPlanBytes("I\n3 version\n1\n2\n1 EGLL 0 51.47 -0.46\n"
                                             "28 POINT 0 50.5 -1.0\n",
                                             "a.fms");
        QVERIFY(!fms);
        const auto fms3 = icao::readPlanBytes(
            "I\n3 version\nNUMENR 2\n1 EGLL 0 51.47 -0.46\n28 POINT 0 50.5 -1.0\n", "a.fms");
        QVERIFY(fms3);
        QCOMPARE(fms3->waypoints[1].kind, std::optional(icao::StopKind::Point));
    }
};

QTEST_GUILESS_MAIN(PlansTest)
#include "tst_plans.moc"
