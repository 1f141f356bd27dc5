// SPDX-License-Identifier: MIT
#include "finder/file_menu.h"

#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

FileMenu::FileMenu(QWidget* window) : QMenu(tr("&File"), window) {
    QAction* open = addAction(tr("&Open..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this, window] {
        const QString chosen = QFileDialog::getOpenFileName(
            window, tr("Open a data file"), QFileInfo(dataFile_).absolutePath(),
            tr("Airport data (*.txt);;All files (*)"));
        if (!chosen.isEmpty()) {
            emit openWanted(chosen);
        }
    });
    readShipped_ = addAction(tr("&Shipped data"));
    readShipped_->setObjectName("readShipped");
    readShipped_->setToolTip(tr("Read the airports.txt shipped beside the program again"));
    readShipped_->setEnabled(false);
    connect(readShipped_, &QAction::triggered, this, &FileMenu::shippedWanted);
    addSeparator();
    addRouteActions(window);
    addSeparator();
    QAction* quit = addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, window, &QWidget::close);
}

void FileMenu::setCanReadShipped(bool can) {
    readShipped_->setEnabled(can);
}

void FileMenu::addRouteActions(QWidget* window) {
    QAction* open = addAction(tr("Open &route..."));
    open->setObjectName("openRoute");
    connect(open, &QAction::triggered, this, [this, window] {
        QStringList patterns;
        for (const icao::PlanFormatName& format : icao::kPlanFormats) {
            if (format.format != icao::PlanFormat::Csv) {
                patterns << "*." + QString::fromLatin1(format.extension.data());
            }
        }
        const QString chosen = QFileDialog::getOpenFileName(
            window, tr("Open a route"), planFolder_,
            tr("Plan files (%1);;All files (*)").arg(patterns.join(' ') + " *.json"));
        if (!chosen.isEmpty()) {
            planFolder_ = QFileInfo(chosen).absolutePath();
            emit routeOpenWanted(chosen);
        }
    });
    QAction* exportRoute = addAction(tr("&Export route..."));
    exportRoute->setObjectName("exportRoute");
    connect(exportRoute, &QAction::triggered, this, [this, window] {
        std::vector<icao::PlanFormat> formats;
        for (const icao::PlanFormatName& format : icao::kPlanFormats) {
            formats.push_back(format.format);
        }
        if (const auto chosen = askSaveFile(window, tr("Export the route"), formats)) {
            emit routeExportWanted(chosen->first, chosen->second);
        }
    });
    QAction* exportResults = addAction(tr("Export re&sults..."));
    exportResults->setObjectName("exportResults");
    connect(exportResults, &QAction::triggered, this, [this, window] {
        if (const auto chosen = askSaveFile(window, tr("Export the airfields listed"),
                                            {icao::PlanFormat::GeoJson, icao::PlanFormat::Kml,
                                             icao::PlanFormat::Gpx, icao::PlanFormat::Csv})) {
            emit resultsExportWanted(chosen->first, chosen->second);
        }
    });
}

std::optional<std::pair<QString, icao::PlanFormat>>
FileMenu::askSaveFile(QWidget* window, const QString& title,
                      const std::vector<icao::PlanFormat>& formats) {
    QStringList filters;
    for (const icao::PlanFormat format : formats) {
        const icao::PlanFormatName& name = icao::nameOf(format);
        filters << QString::fromLatin1(name.what.data()) + " (*." +
                       QString::fromLatin1(name.extension.data()) + ")";
    }
    QString filter = filters.front();
    QString chosen =
        QFileDialog::getSaveFileName(window, title, planFolder_, filters.join(";;"), &filter);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    // The format of the file type chosen, its ending added where the name has none.
    const icao::PlanFormatName& format = icao::nameOf(
        formats[static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(filter)))]);
    if (QFileInfo(chosen).suffix().isEmpty()) {
        chosen += "." + QString::fromLatin1(format.extension.data());
    }
    planFolder_ = QFileInfo(chosen).absolutePath();
    return std::pair(chosen, format.format);
}
