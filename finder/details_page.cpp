// SPDX-License-Identifier: MIT
#include "finder/details_page.h"

#include "finder/core/qt_text.h"
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
QString row(const QString& label, const QString& value) {
    return value.isEmpty() ? QString()
                           : "<tr><th align=left style=\"white-space:pre\">" +
                                 label.toHtmlEscaped() + " </th><td>" + value + "</td></tr>";
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString position(const icao::AirportRecord& record) {
    const auto place = record.place();
    if (!place) {
        return {};
    }
    return escaped(qt(record.latitude) + ", " + qt(record.longitude) + "  (" +
                   qt(icao::degreesAndMinutes(place->latitude, true)) + " " +
                   qt(icao::degreesAndMinutes(place->longitude, false)) + ")");
}

QString zone(const icao::AirfieldDetails& details) {
    if (details.timeZone.empty()) {
        return {};
    }
    if (!details.zoneTime) {
        return escaped(qt(details.timeZone) + " " + tr("(not known to this system)"));
    }
    QString localTime = qt(details.zoneTime->localTime);
    localTime.replace('T', ' ');
    return escaped(qt(details.timeZone) + ", " + tr("local time") + " " + localTime + " (UTC" +
                   qt(icao::utcOffsetText(details.zoneTime->utcOffsetSeconds)) + ")");
}

// One runway a line; a narrow pane wraps a line between its parts, never within one.
QString runways(const icao::AirfieldDetails& details, icao::LengthUnit unit) {
    QStringList lines;
    for (const icao::Runway& runway : details.runways) {
        const icao::RunwayWords words = icao::runwayWords(runway, unit, details.magneticVariation);
        QStringList parts;
        for (const std::string* part :
             {&words.ends, &words.size, &words.surface, &words.lighting, &words.headings}) {
            // The true and magnetic headings are parts of their own.
            for (const QString& piece : qt(*part).split("  ", Qt::SkipEmptyParts)) {
                parts << piece;
            }
        }
        // Qt breaks a line after any "/", also before a joiner or a no-break space: the
        // division slash, which it does not break at, keeps "09L/27R" and "090°/270°" whole.
        for (QString& part : parts) {
            part = escaped(part).replace(' ', "&nbsp;").replace('/', QChar(0x2215));
        }
        lines << parts.join("&nbsp; ");
    }
    return lines.join("<br>");
}

// Today's crossings of the sun at the airfield, on its date in its zone: a row each for civil
// dawn, sunrise, sunset and civil dusk, as icao info tells them.
QString sunRows(const icao::AirportRecord& record, const icao::AirfieldDetails& details,
                std::chrono::sys_seconds now) {
    const auto place = record.place();
    if (!place) {
        return {};
    }
    const std::optional<int> offset =
        details.zoneTime ? std::optional(details.zoneTime->utcOffsetSeconds) : std::nullopt;
    const auto today =
        std::chrono::floor<std::chrono::days>(now + std::chrono::seconds(offset.value_or(0)));
    const icao::SunTimes sun = icao::sunTimesOn(*place, today, offset.value_or(0));
    const auto words = [&offset](const std::optional<std::chrono::sys_seconds>& at,
                                 const icao::SunCrossing& crossing, bool twilight) {
        return escaped(qt(at ? icao::crossingWords(*at, offset, crossing.again)
                             : std::string(icao::whyNoCrossing(crossing, twilight))));
    };
    return row(tr("Civil dawn"), words(sun.civil.up, sun.civil, true)) +
           row(tr("Sunrise"), words(sun.sun.up, sun.sun, false)) +
           row(tr("Sunset"), words(sun.sun.down, sun.sun, false)) +
           row(tr("Civil dusk"), words(sun.civil.down, sun.civil, true));
}

QString frequencies(const icao::AirfieldDetails& details) {
    QStringList lines;
    for (const icao::RadioFrequency& frequency : details.frequencies) {
        lines << escaped(qt(icao::frequencyWords(frequency)));
    }
    return lines.join("<br>");
}

QString neighbours(const DescribedAirfield& neighbourhood, icao::DistanceUnit unit) {
    QString rows;
    for (const icao::NearbyAirport& airport : neighbourhood.nearest) {
        const icao::AirportRecord record = airport.item.record();
        const QString code = qt(record.code);
        rows += "<tr><td><a href=\"" + QString(kAirfieldLinkScheme) + ":" + escaped(code) + "\">" +
                escaped(code) + "</a></td><td>" + escaped(qt(record.name)) +
                "</td><td align=right>" + distanceText(airport.distanceKm, unit, 1) +
                "</td><td align=right>" + courseText(airport.bearing) + "</td></tr>";
    }
    return rows.isEmpty() ? QString() : "<table cellspacing=4>" + rows + "</table>";
}

// The navaids about the airfield, nearest first: ident, type, frequency, distance and bearing.
QString navaids(const DescribedAirfield& neighbourhood, icao::DistanceUnit unit) {
    QStringList lines;
    for (const icao::NearbyNavaid& aid : neighbourhood.navaids) {
        QStringList parts{qt(aid.navaid.ident), qt(aid.navaid.type)};
        if (const std::string frequency = icao::frequencyWords(aid.navaid); !frequency.empty()) {
            parts << qt(frequency);
        }
        parts << distanceText(aid.distanceKm, unit, 1) << courseText(aid.course);
        for (QString& part : parts) {
            part = escaped(part).replace(' ', "&nbsp;");
        }
        lines << parts.join("&nbsp; ");
    }
    return lines.join("<br>");
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
    QString page = "<h2>" + escaped(qt(record.code) + "  " + qt(record.name)) + "</h2><table>";
    page += row(tr("IATA code"), escaped(qt(record.iata)));
    page += row(tr("Other codes"), escaped(codes));
    page += row(tr("Kind"), escaped(QString::fromUtf8(icao::kindName(record.kind()))));
    page += row(tr("Place"), escaped(qt(record.municipality)));
    page += row(tr("Region"), escaped(qt(record.region)));
    page += row(tr("Country"), escaped(country));
    page += row(tr("Position"), position(record));
    page += row(tr("Elevation"), escaped(elevation));
    if (details.magneticVariation) {
        page += row(tr("Magnetic variation"),
                    escaped(qt(icao::variationText(*details.magneticVariation))));
    }
    page += row(tr("Time zone"), zone(details));
    page += sunRows(record, details, now);
    page += row(tr("Runways"), runways(details, units.length));
    page += row(tr("Frequencies"), frequencies(details));
    page += row(tr("Navaids"), navaids(neighbourhood, units.distance));
    page += row(tr("Also known as"), escaped(alternates.join(" / ")));
    page += "</table>";
    const QString nearest = neighbours(neighbourhood, units.distance);
    if (!nearest.isEmpty()) {
        page += "<h3>" + escaped(tr("Nearest airfields")) + "</h3>" + nearest;
    }
    return page;
}
