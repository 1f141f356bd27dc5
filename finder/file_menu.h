// SPDX-License-Identifier: MIT
#pragma once

#include "plans/plan_formats.h"

#include <QMenu>
#include <optional>
#include <utility>
#include <vector>

// Opening another data file, going back to the shipped one, opening and exporting a route as a
// plan file, and quitting.
class FileMenu : public QMenu {
    Q_OBJECT

  public:
    explicit FileMenu(QWidget* window);

    // The folder File > Open starts in, the data file's own.
    void setDataFile(const QString& dataFile) { dataFile_ = dataFile; }
    // Whether a shipped file is given and another is read.
    void setCanReadShipped(bool can);
    // The folder the route's dialogs start in.
    void setPlanFolder(const QString& folder) { planFolder_ = folder; }

  signals:
    void openWanted(const QString& dataFile);
    void shippedWanted();
    void routeOpenWanted(const QString& path);
    void routeExportWanted(const QString& path, icao::PlanFormat format);
    void resultsExportWanted(const QString& path, icao::PlanFormat format);

  private:
    void addRouteActions(QWidget* window);
    // Asks where to save, in which of the formats; none when the user cancels.
    std::optional<std::pair<QString, icao::PlanFormat>>
    askSaveFile(QWidget* window, const QString& title,
                const std::vector<icao::PlanFormat>& formats);

    QAction* readShipped_;
    QString dataFile_;
    QString planFolder_;
};
