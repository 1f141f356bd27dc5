// SPDX-License-Identifier: MIT
#include "finder/details_page.h"

#include "finder/core/qt_text.h"
#include "finder/html.h"
#include "lookup/airfield_kind.h"
#include "records/airfield_details.h"
#include "records/geo.h"
#include "records/sun_times.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("DetailsPage", text);
}

// A row of the table of fields; none where the value is empty.
Html row(const QString& label, const Html& value) {
    return value.isEmpty() ? Html()
                           : Html::markup("<tr>") +
                                 Html::tag("th", Html::text(label + ' '),
                                           "align=left style=\"white-space:pre\"") +
                                 Html::tag("td", value) + Html::markup("</tr>");
}

Html position(const icao::AirportRecord& record) {
    const auto place = record.place();
    if (!place) {
        return {};
    }
    return Html::text(qt(record.latitude) + ", " + qt(record.longitude) + "  (" +
                      qt(icao::degreesAndMinutes(place->latitude, true)) + " " +
                      qt(icao::degreesAndMinutes(place->longitude, false)) + ")");
}

Html zone(const icao::AirfieldDetails& details) {
    if (details.timeZone.empty()) {
        return {};
    }
    if (!details.zoneTime) {
        return Html::text(qt(details.timeZone) + " " + tr("(not known to this system)"));
    }
    QString localTime = qt(details.zoneTime->localTime);
    localTime.replace('T', ' ');
    return Html::text(qt(details.timeZone) + ", " + tr("local time") + " " + localTime + " (UTC" +
                      qt(icao::utcOffsetText(details.zoneTime->utcOffsetSeconds)) + ")");
}

// One runway a line; a narrow pane wraps a line between its parts, never within one.
Html runways(const icao::AirfieldDetails& details, icao::LengthUnit unit) {
    std::vector<Html> lines;
    for (const icao::Runway& runway : details.runways) {
        const icao::RunwayWords words = icao::runwayWords(runway, unit, details.magneticVariation);
        std::vector<Html> parts;
        for (const std::string* part :
             {&words.ends, &words.size, &words.surface, &words.lighting, &words.headings}) {
            // The true and magnetic headings are parts of their own. Qt breaks a line after
            // any "/", also before a joiner or a no-break space: the division slash, which it
            // does not break at, keeps "09L/27R" and "090°/270°" whole.
            for (QString piece : qt(*part).split("  ", Qt::SkipEmptyParts)) {
                parts.push_back(Html::unbroken(piece.replace('/', QChar(0x2215))));
            }
        }
        lines.push_back(Html::joined(parts, Html::markup("&nbsp; ")));
    }
    return Html::joined(lines, Html::markup("<br>"));
}

// Today's crossings of the sun at the airfield, on its date in its zone: a row each for civil
// dawn, sunrise, sunset and civil dusk, as icao info tells them.
Html sunRows(const icao::AirportRecord& record, const icao::AirfieldDetails& details,
             std::chrono::sys_seconds now) {
    const auto place = record.place();
    if (!place) {
        return {};
    }
    const std::optional<int> offset =
        details.zoneTime ? std::optional(details.zoneTime->utcOffsetSeconds) : std::nullopt;
    const icao::SunTimes sun =
        icao::sunTimesOn(*place, icao::dayInZone(now, offset.value_or(0)), offset.value_or(0));
    const auto words = [&offset](const std::optional<std::chrono::sys_seconds>& at,
                                 const icao::SunCrossing& crossing, bool twilight) {
        return Html::text(at ? icao::crossingWords(*at, offset, crossing.again)
                             : std::string(icao::whyNoCrossing(crossing, twilight)));
    };
    return row(tr("Civil dawn"), words(sun.civil.up, sun.civil, true)) +
           row(tr("Sunrise"), words(sun.sun.up, sun.sun, false)) +
           row(tr("Sunset"), words(sun.sun.down, sun.sun, false)) +
           row(tr("Civil dusk"), words(sun.civil.down, sun.civil, true));
}

Html frequencies(const icao::AirfieldDetails& details) {
    std::vector<Html> lines;
    for (const icao::RadioFrequency& frequency : details.frequencies) {
        lines.push_back(Html::text(icao::frequencyWords(frequency)));
    }
    return Html::joined(lines, Html::markup("<br>"));
}

Html neighbours(const DescribedAirfield& neighbourhood, icao::DistanceUnit unit) {
    Html rows;
    for (const icao::NearbyAirport& airport : neighbourhood.nearest) {
        const icao::AirportRecord record = airport.item.record();
        const QString code = qt(record.code);
        rows +=
            Html::markup("<tr>") +
            Html::tag("td",
                      Html::link(QString(kAirfieldLinkScheme) + ":" + code, Html::text(code))) +
            Html::tag("td", Html::text(record.name)) +
            Html::tag("td", Html::text(distanceText(airport.distanceKm, unit, 1)), "align=right") +
            Html::tag("td", Html::text(courseText(airport.bearing)), "align=right") +
            Html::markup("</tr>");
    }
    return rows.isEmpty() ? Html() : Html::tag("table", rows, "cellspacing=4");
}

// The navaids about the airfield, nearest first: ident, type, frequency, distance and bearing.
Html navaids(const DescribedAirfield& neighbourhood, icao::DistanceUnit unit) {
    std::vector<Html> lines;
    for (const icao::NearbyNavaid& aid : neighbourhood.navaids) {
        std::vector<Html> parts{Html::unbroken(qt(aid.navaid.ident)),
                                Html::unbroken(qt(aid.navaid.type))};
        if (const std::string frequency = icao::frequencyWords(aid.navaid); !frequency.empty()) {
            parts.push_back(Html::unbroken(qt(frequency)));
        }
        parts.push_back(Html::unbroken(distanceText(aid.distanceKm, unit, 1)));
        parts.push_back(Html::unbroken(courseText(aid.course)));
        lines.push_back(Html::joined(parts, Html::markup("&nbsp; ")));
    }
    return Html::joined(lines, Html::markup("<br>"));
}

} // namespace

QString detailsPage(const DescribedAirfield& neighbourhood, std::chrono::sys_seconds now,
                    ShownUnits units) {
    const icao::AirportRecord& record = neighbourhood.record;
    const icao::AirfieldDetails details = icao::detailsOf(record, now);
    QString country = qt(record.country);
    if (!details.countryName.empty()) {
        country += " (" + qt(details.countryName) + ")";
    }
    const auto feet = record.elevationFt();
    const QString elevation = feet ? QString::number(icao::lengthIn(*feet, units.length)) +
                                         icao::lengthSuffix(units.length)
                                   : tr("unknown");
    QString codes = record.localCode.empty() ? QString() : tr("local %1").arg(qt(record.localCode));
    if (!details.formerCodes.empty()) {
        QStringList former;
        for (const std::string& code : details.formerCodes) {
            former << qt(code);
        }
        codes += (codes.isEmpty() ? "" : "; ") + tr("formerly %1").arg(former.join(", "));
    }
    QStringList alternates;
    for (const std::string& name : details.alternateNames) {
        alternates << qt(name);
    }
    Html page = Html::tag("h2", Html::text(qt(record.code) + "  " + qt(record.name))) +
                Html::markup("<table>");
    page += row(tr("IATA code"), Html::text(record.iata));
    page += row(tr("Other codes"), Html::text(codes));
    page += row(tr("Kind"), Html::text(QString::fromUtf8(icao::kindName(record.kind()))));
    page += row(tr("Place"), Html::text(record.municipality));
    page += row(tr("Region"), Html::text(record.region));
    page += row(tr("Country"), Html::text(country));
    page += row(tr("Position"), position(record));
    page += row(tr("Elevation"), Html::text(elevation));
    if (details.magneticVariation) {
        page += row(tr("Magnetic variation"),
                    Html::text(icao::variationText(*details.magneticVariation)));
    }
    page += row(tr("Time zone"), zone(details));
    page += sunRows(record, details, now);
    page += row(tr("Runways"), runways(details, units.length));
    page += row(tr("Frequencies"), frequencies(details));
    page += row(tr("Navaids"), navaids(neighbourhood, units.distance));
    page += row(tr("Also known as"), Html::text(alternates.join(" / ")));
    page += Html::markup("</table>");
    const Html nearest = neighbours(neighbourhood, units.distance);
    if (!nearest.isEmpty()) {
        page += Html::tag("h3", Html::text(tr("Nearest airfields"))) + nearest;
    }
    return page.toString();
}
