// SPDX-License-Identifier: MIT
#pragma once

#include "finder/data_file_watcher.h"
#include "finder/filter_bar.h"
#include "finder/legs_model.h"
#include "finder/map_pane.h"
#include "finder/results_model.h"
#include "finder/search_worker.h"
#include "finder/selection_history.h"
#include "finder/shown_units.h"

#include <QMainWindow>
#include <QThread>
#include <QTimer>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QSplitter;
class QLineEdit;
class QTableView;
class QTextBrowser;
class QToolButton;

// The finder's one window: a search field whose every change searches the records held in
// memory on a thread of their own, the results best first, and the selected airfield's
// details with its nearest neighbours and a map of them, or of the route typed. It reads its data
// file once, and again whenever the file changes on disk; a file that cannot be read is a message
// in the window, which stays usable and searches again once the file is back.
class FinderWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Reads the data file; File > Shipped data goes back to the shipped one, where it is given.
    explicit FinderWindow(QString dataFile, QString shippedFile = {}, QWidget* parent = nullptr);
    ~FinderWindow() override;

    QString dataFile() const { return dataFile_; }
    // The text whose answer the table shows.
    QString shownText() const { return shownText_; }
    // The route's planner, on its thread; a test may keep it busy.
    RoutePlanner* planner() const { return planner_; }
    // The route text whose legs are shown.
    QString shownRoute() const { return plan_ ? plan_->text : QString(); }
    // Reads another data file, as File > Open does, and remembers it for the next start.
    void openDataFile(const QString& dataFile);

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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void setUpControls();
    void layOut();
    void buildMenus();
    void buildUnitsMenu();
    void buildGoMenu();
    void buildHelpMenu();
    void setTabOrder();
    // Shows a step of the history again: its text searched, its airfield selected.
    void showStep(const std::optional<SelectionHistory::Step>& step);
    void showHistoryState();
    // The map shows what was asked for last, an airfield or a route; while that has nothing
    // to show, the other.
    void showOnMap();
    void setUnits(ShownUnits units);
    void filtersChanged();
    void startWorker();
    void connectControls();
    void showSelectionAsActive();
    void load();
    // Searches the field's text anew, its first rows; or, showing more, with room for more rows
    // and the selection kept.
    void search();
    void showMore();
    void requestSearch();
    void fitNameColumn();
    // The airfields looked at lately, latest first: this run's, then those of runs before.
    QStringList recentCodes() const;
    void showAnswer(const SearchAnswer& answer);
    void showDetails(const DescribedAirfield& neighbourhood);
    void showFailure(const QString& message);
    // Plans the route field's text; unless typed is done, its last word may still be typed.
    void planRoute(bool typed);
    void chooseStop(const QString& link);
    void showRoute(const RoutePlan& plan);
    // The legs of the route last planned, told in the units at the speed typed.
    void showLegs();
    void showLegRows(std::vector<QStringList> rows, const QString& readings);
    void showLoaded(qsizetype records);
    // The file read, or that cannot be, in the title and the status bar.
    void showFileRead(const QString& state);
    bool readsShippedFile() const;
    void describeSelected();
    void copyToClipboard(const QString& text);
    void copySelected(int column);
    void showRowMenu(const QPoint& position);
    int selectedRow() const;
    void restoreLayout();

    QString dataFile_;
    QString shippedFile_;
    QAction* readShipped_ = nullptr;
    QLabel* fileShown_;
    QLineEdit* search_;
    FilterBar* filters_;
    QAction* showFilters_;
    QToolButton* filtersButton_;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
    QLabel* message_;
    QTableView* table_;
    ResultsModel model_;
    QTextBrowser* details_;
    MapPane* map_;
    QSplitter* splitter_;
    // The results over the route and its legs.
    QSplitter* left_;
    // The details over the map.
    QSplitter* aside_;
    QLabel* status_;
    QPushButton* more_;
    QLineEdit* route_;
    QLineEdit* speed_;
    QTableView* legs_;
    LegsModel legsModel_;
    // How the stops were read, under the legs.
    QTextBrowser* readings_;
    QThread thread_;
    SearchWorker* worker_;
    // Routes are read apart from the searches, so that neither waits on the other.
    QThread planThread_;
    RoutePlanner* planner_;
    DataFileWatcher watcher_;
    // Keeps the local time in the details current.
    QTimer minute_;
    // Shows the details once the selection has rested a moment: laying them out takes longer
    // than a search, and while the user types each answer moves the selection.
    QTimer describe_;
    // Reads the route's last word as typed whole once typing has rested: a typo does not wait
    // for Enter to be said.
    QTimer routeRested_;
    ShownUnits units_;
    quint64 generation_ = 0;
    std::size_t shownLimit_ = kFirstShownHits;
    // The code selected when more rows were asked for, selected again once they come.
    QString keptSelection_;
    // Whether the row after it is selected instead, as Down past the last row asks.
    bool stepPastKept_ = false;
    quint64 planGeneration_ = 0;
    // What the file read gave, for Help > About.
    qsizetype airfieldsRead_ = 0;
    std::size_t navaidsRead_ = 0;
    QString shownText_;
    bool loaded_ = false;
    std::optional<DescribedAirfield> shown_;
    SelectionHistory history_;
    QStringList savedRecent_;
    // Whether the search's text was typed since the history's last step.
    bool typedSinceStep_ = false;
    // The route last shown, whose stops the legs' links choose again.
    std::optional<RoutePlan> plan_;
    enum class MapAsk { Airfield, Route };
    MapAsk mapAsks_ = MapAsk::Airfield;
    // Raised with each airfield or route shown, so that the map is drawn again only for what
    // it does not show yet, and keeps the user's zoom otherwise.
    quint64 airfieldVersion_ = 0;
    quint64 planVersion_ = 0;
    std::pair<MapAsk, quint64> mapShows_{MapAsk::Airfield, 0};
};
