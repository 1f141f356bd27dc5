// SPDX-License-Identifier: MIT
#include "finder/details_page.h"

#include "finder/core/qt_text.h"
#include "finder/html.h"
#include "records/airfield_details.h"
#include "sheet/airfield_sheet.h"

#include <QCoreApplication>

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

// A line of a sheet's value. Its parts (a runway's ends, size, headings) are each kept whole,
// true and magnetic headings parts of their own; a narrow pane wraps between them. Qt breaks a
// line after any "/", also before a joiner or a no-break space: the division slash, which it
// does not break at, keeps "09L/27R" and "090°/270°" whole.
Html lineOf(const std::vector<std::string>& parts) {
    if (parts.size() == 1) {
        return Html::text(parts.front());
    }
    std::vector<Html> pieces;
    for (const std::string& part : parts) {
        for (QString piece : qt(part).split("  ", Qt::SkipEmptyParts)) {
            pieces.push_back(Html::unbroken(piece.replace('/', QChar(0x2215))));
        }
    }
    return Html::joined(pieces, Html::markup("&nbsp; "));
}

Html valueOf(const icao::SheetEntry& entry) {
    std::vector<Html> lines;
    for (const auto& parts : entry.lines) {
        lines.push_back(lineOf(parts));
    }
    return Html::joined(lines, Html::markup("<br>"));
}

// A sheet's label as a heading: "Magnetic variation".
QString headingOf(const std::string& label) {
    QString heading = qt(label);
    if (!heading.isEmpty()) {
        heading[0] = heading[0].toUpper();
    }
    return heading;
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

} // namespace

QString detailsPage(const DescribedAirfield& neighbourhood, std::chrono::sys_seconds now,
                    ShownUnits units) {
    const icao::AirportRecord& record = neighbourhood.record;
    icao::ZoneClock clock;
    const icao::SheetTerms terms{units.length, {units.distance}, std::nullopt, now};
    Html page = Html::tag("h2", Html::text(qt(record.code) + "  " + qt(record.name))) +
                Html::markup("<table>");
    // The code and name are the heading.
    for (const icao::SheetEntry& entry :
         icao::airfieldSheet(record, icao::detailsOf(record, now, clock),
                             std::optional(neighbourhood.navaids), terms, clock)) {
        if (!entry.machineOnly && entry.key != "icao" && entry.key != "name") {
            page += row(headingOf(entry.label), valueOf(entry));
        }
    }
    page += Html::markup("</table>");
    const Html nearest = neighbours(neighbourhood, units.distance);
    if (!nearest.isEmpty()) {
        page += Html::tag("h3", Html::text(tr("Nearest airfields"))) + nearest;
    }
    return page.toString();
}
