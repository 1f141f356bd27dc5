// SPDX-License-Identifier: MIT
#include "finder/route_legs.h"

#include "finder/core/qt_text.h"
#include "finder/html.h"
#include "records/airfield_details.h"
#include "records/geo.h"
#include "records/magnetic_model.h"

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr char kStopLinkScheme[] = "stop";

QString tr(const char* text) {
    return QCoreApplication::translate("RouteLegs", text);
}

// Text said by the finder itself, escaped as any other: a translation may hold "<".
Html said(const char* text) {
    return Html::text(tr(text));
}

// The distance in the unit, then the time to fly it at the speed.
QStringList distanceCells(double km, const LegsTelling& telling) {
    QStringList cells{distanceText(km, telling.unit, 0)};
    if (telling.knots) {
        cells << qt(icao::flyingTime(km, *telling.knots).shown);
    }
    return cells;
}

// The other airfields a stop may mean, each a link that puts it in the stop's place.
Html candidateLinks(const icao::RouteStop& stop, std::size_t at) {
    std::vector<Html> links;
    for (const icao::AirportRecord& candidate : stop.candidates) {
        links.push_back(Html::link(linkText({at, qt(candidate.code)}), Html::text(candidate.code)) +
                        Html::text(" " + candidate.name));
    }
    return Html::joined(links, Html::text(", "));
}

// The words of a flight plan passed over and why: "N0450F350 (speed and level)".
Html passedOver(const std::vector<icao::SkippedWord>& words) {
    std::vector<Html> parts;
    for (const icao::SkippedWord& word : words) {
        if (word.as != icao::PlanWord::Direct) {
            parts.push_back(Html::tag("i", Html::text(word.word)) +
                            Html::text(" (" + std::string(icao::passedOver(word.as).why) + ")"));
        }
    }
    return Html::joined(parts, Html::text(", "));
}

Html readingLine(const icao::RouteStop& stop, std::size_t at) {
    const Html given = Html::tag("i", Html::text(stop.given));
    if (!stop.airport) {
        const Html links = candidateLinks(stop, at);
        return said("No airfield found for %1").arg(given) +
               (links.isEmpty() ? Html() : Html::text("; ") + said("did you mean %1?").arg(links));
    }
    const QString how = qt(std::string(icao::readAs(stop.read).words)) +
                        (stop.read == icao::StopRead::Navaid ? tr(", the nearest") : QString());
    Html line = given + Html::text(" → " + qt(stop.airport->code) + " " + qt(stop.airport->name) +
                                   " (" + how + ")");
    if (stop.doubtful) {
        line += Html::text("; ") + said("doubtful");
    }
    // Another aid of the ident is no choice to make: the nearest is the one flown over.
    if (!stop.candidates.empty() && stop.read != icao::StopRead::Navaid) {
        line += Html::text("; ") + said("or %1").arg(candidateLinks(stop, at));
    }
    return line;
}

} // namespace

LegsTable legsTableOf(const RoutePlan& plan, const LegsTelling& telling) {
    LegsTable table;
    if (plan.refusedWords > 0 || plan.route.legs.empty()) {
        return table;
    }
    const bool timed = telling.knots.has_value();
    table.headings << tr("Leg") << tr("Distance");
    table.meanings << tr("From and to") << tr("The leg's great-circle distance");
    if (timed) {
        table.headings << tr("Time");
        table.meanings << tr("The time to fly the leg at the speed given");
    }
    table.headings << tr("TC") << tr("MC") << tr("So far");
    table.meanings
        << tr("Initial true course")
        << tr("Initial magnetic course, by the variation where the leg begins, this year")
        << tr("The distance, and the time at the speed given, from the first stop");
    table.rows.reserve(plan.route.legs.size());
    double soFarKm = 0;
    for (const icao::Leg& leg : plan.route.legs) {
        soFarKm += leg.distanceKm;
        const auto variation = icao::airfieldVariation(leg.from, telling.year);
        table.rows.push_back(
            QStringList{qt(leg.from.code) + " → " + qt(leg.to.code)} +
            distanceCells(leg.distanceKm, telling) +
            QStringList{courseText(leg.course),
                        variation ? courseText(icao::magneticHeading(leg.course, *variation))
                                  : QString()} +
            QStringList{distanceCells(soFarKm, telling).join(QChar(' '))});
    }
    // While the last word may still be typed, the total is of the stops read so far.
    const QString total =
        plan.reading.pending.empty()
            ? tr("total")
            : tr("total of the %1 stops read so far").arg(plan.reading.stops.size());
    table.total = total + ": " + distanceCells(plan.route.totalKm, telling).join(", ");
    return table;
}

QString routeReadingsPage(const RoutePlan& plan, const LegsTelling& telling) {
    if (plan.refusedWords > 0) {
        return Html::text(tr("A route holds at most %1 words; this one has %2")
                              .arg(icao::kMaxRouteWords)
                              .arg(plan.refusedWords))
            .toString();
    }
    std::vector<Html> lines;
    const auto& stops = plan.reading.stops;
    // The stops unread first: they are why there is no route.
    for (const bool unread : {true, false}) {
        for (std::size_t at = 0; at < stops.size(); ++at) {
            if ((!stops[at].airport) == unread && stops[at].read != icao::StopRead::IcaoCode) {
                lines.push_back(readingLine(stops[at], at));
            }
        }
    }
    std::vector<Html> skipped;
    for (const icao::RouteStop& stop : stops) {
        skipped.push_back(passedOver(stop.skippedBefore));
    }
    skipped.push_back(passedOver(plan.reading.skippedAfter));
    if (const Html words = Html::joined(skipped, Html::text(", ")); !words.isEmpty()) {
        lines.push_back(said("Passed over: %1").arg(words));
    }
    for (const std::size_t at : plan.route.unknown) {
        if (stops[at].airport) {
            lines.push_back(said("%1 has no coordinates").arg(Html::text(stops[at].airport->code)));
        }
    }
    if (!plan.reading.pending.empty()) {
        lines.push_back(
            said("Reading %1 ...").arg(Html::tag("i", Html::text(plan.reading.pending))));
    }
    if (telling.speedUnread) {
        lines.push_back(said("A speed is a number and kt, km/h or mph, such as 450kt"));
    }
    if (plan.route.legs.empty() && plan.route.unknown.empty()) {
        lines.push_back(said("A route needs two airfields or more"));
    }
    return Html::joined(lines, Html::markup("<br>")).toString();
}

QString routeWithStop(const RoutePlan& plan, std::size_t at, const QString& code) {
    QStringList words;
    for (std::size_t i = 0; i < plan.reading.stops.size(); ++i) {
        const icao::RouteStop& stop = plan.reading.stops[i];
        words << (i == at ? code : stop.airport ? qt(stop.airport->code) : qt(stop.given));
    }
    if (!plan.reading.pending.empty()) {
        words << qt(plan.reading.pending);
    }
    return words.join(' ');
}
QString linkText(const StopLink& link) {
    return QString("%1:%2:%3").arg(kStopLinkScheme).arg(link.at).arg(link.code);
}

std::optional<StopLink> stopLinkOf(const QString& text) {
    const QStringList parts = text.split(':');
    bool isNumber = false;
    const std::size_t at = parts.value(1).toULongLong(&isNumber);
    if (parts.size() != 3 || parts[0] != kStopLinkScheme || !isNumber) {
        return std::nullopt;
    }
    return StopLink{at, parts[2]};
}
