// SPDX-License-Identifier: MIT
#include "finder/help_pages.h"

#include "finder/core/qt_text.h"
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

QString row(const QString& first, const QString& second) {
    return "<tr><td style=\"white-space:pre\">" + first.toHtmlEscaped() + "  </td><td>" +
           second.toHtmlEscaped() + "</td></tr>";
}

} // namespace

QString aboutPage(const DataFacts& facts) {
    return "<h3>" + tr("ICAO Finder %1").arg(QString::fromUtf8(kVersion)).toHtmlEscaped() +
           "</h3><p>" + QString::fromUtf8(kCodeLicence).toHtmlEscaped() + "</p><p>" +
           tr("Reading %1: %2 airfields, %3 navaids")
               .arg(facts.dataFile, QLocale().toString(facts.airfields),
                    QLocale().toString(static_cast<qulonglong>(facts.navaids)))
               .toHtmlEscaped() +
           "</p><p><b>" + tr("Shipped data").toHtmlEscaped() + "</b><br>" +
           QString::fromUtf8(kDataSource).toHtmlEscaped() + "</p><p><b>" +
           tr("Maps").toHtmlEscaped() + "</b><br>" +
           QString::fromUtf8(icao::kLandSource).toHtmlEscaped() + "</p>";
}

QString shortcutsPage(const QList<QAction*>& actions) {
    QString rows;
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
    return "<table>" + rows + "</table>";
}
