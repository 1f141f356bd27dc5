// SPDX-License-Identifier: MIT
#include "finder/help_pages.h"

#include "finder/core/qt_text.h"
#include "finder/html.h"
#include "lookup/build_info.h"
#include "map/land.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLocale>
#include <QStringList>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("HelpPages", text);
}

Html row(const QString& first, const QString& second) {
    return Html::markup("<tr>") +
           Html::tag("td", Html::text(first + "  "), "style=\"white-space:pre\"") +
           Html::tag("td", Html::text(second)) + Html::markup("</tr>");
}

} // namespace

QString aboutPage(const DataFacts& facts) {
    const auto heading = [](const QString& title) { return Html::tag("b", Html::text(title)); };
    return (Html::tag("h3", Html::text(tr("ICAO Finder %1").arg(QString::fromUtf8(kVersion)))) +
            Html::tag("p", Html::text(QString::fromUtf8(kCodeLicence))) +
            Html::tag("p", Html::text(tr("Reading %1: %2 airfields, %3 navaids")
                                          .arg(facts.dataFile, QLocale().toString(facts.airfields),
                                               QLocale().toString(
                                                   static_cast<qulonglong>(facts.navaids))))) +
            Html::tag("p", heading(tr("Shipped data")) + Html::markup("<br>") +
                               Html::text(QString::fromUtf8(kDataSource))) +
            Html::tag("p", heading(tr("Maps")) + Html::markup("<br>") +
                               Html::text(QString::fromUtf8(icao::kLandSource))))
        .toString();
}

QString shortcutsPage(const QList<QAction*>& actions) {
    Html rows;
    for (const QAction* action : actions) {
        QStringList keys;
        for (const QKeySequence& keySequence : action->shortcuts()) {
            keys << keySequence.toString(QKeySequence::NativeText);
        }
        if (!keys.isEmpty()) {
            rows += row(keys.join(", "), action->text().remove('&'));
        }
    }
    // Keys of the search field, which no menu holds.
    rows += row("Down, Up", tr("The next or the previous airfield, from the search field"));
    rows += row("Enter", tr("To the selected airfield's details"));
    rows += row("Escape", tr("Clear the search field"));
    rows += row(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText),
                tr("Copy the selected airfield's code"));
    rows += row("+, -, arrows, Home", tr("On the map: zoom, move, the whole view again"));
    return Html::tag("table", rows).toString();
}
