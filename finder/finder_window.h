// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/finder_controller.h"

#include <QMainWindow>

class DetailsPane;
class FinderStatusBar;
class MapPane;
class QAction;
class QSplitter;
class RoutePane;
class SearchPane;
class UnitsMenu;

// The finder's one window: the search and its results over the route and its legs, beside the
// selected airfield's details over a map of it, or of the route. Its state is its controller's;
// the window lays out the panes, builds the menus and wires the two together.
class FinderWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Reads the data file; File > Shipped data goes back to the shipped one, where it is given.
    explicit FinderWindow(QString dataFile, QString shippedFile = {}, QWidget* parent = nullptr);

    QString dataFile() const { return controller_.fileState().dataFile; }
    // The text whose answer the table shows.
    QString shownText() const { return controller_.shownText(); }
    // The route's planner, on its thread; a test may keep it busy.
    RoutePlanner* planner() const { return controller_.planner(); }
    // The route text whose legs are shown.
    QString shownRoute() const;
    // Reads another data file, as File > Open does, and remembers it for the next start.
    void openDataFile(const QString& dataFile) { controller_.openDataFile(dataFile); }

  signals:
    // Each search answered and shown; the tests wait for it.
    void resultsShown();
    // The details of an airfield shown.
    void detailsShown();
    // The data file read, or found unreadable.
    void dataLoaded();
    // The legs of the route field's text shown.
    void routeShown();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void layOut();
    void buildMenus();
    void setTabOrder();
    void connectPanes();
    void connectController();
    void showAnswer(const SearchAnswer& answer, const QString& keep, bool stepPast);
    void showFileState(const DataFileState& state);
    void restoreLayout();

    // Declared first, so that it outlives the panes that show it.
    FinderController controller_;
    SearchPane* search_;
    RoutePane* route_;
    DetailsPane* details_;
    MapPane* map_;
    QSplitter* splitter_;
    // The results over the route and its legs.
    QSplitter* left_;
    // The details over the map.
    QSplitter* aside_;
    FinderStatusBar* status_;
    UnitsMenu* units_;
};
