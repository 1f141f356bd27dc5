// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/data_file_watcher.h"
#include "finder/core/finder_settings.h"
#include "finder/core/map_choice.h"
#include "finder/core/route_client.h"
#include "finder/core/search_client.h"
#include "finder/core/selection_history.h"
#include "map/neighbourhood_map.h"
#include "map/route_map.h"
#include "plans/plan_formats.h"

#include <QObject>
#include <QTimer>
#include <optional>
#include <variant>

// The data file being read, read or found unreadable, and what it gave.
struct DataFileState {
    enum class Reading { Reading, Read, Unreadable };
    QString dataFile;
    Reading reading = Reading::Reading;
    qsizetype airfields = 0;
    std::size_t navaids = 0;
    // Why the file cannot be read.
    QString failure;
    // Whether it is the file shipped beside the program, and whether there is one to go
    // back to.
    bool shipped = false;
    bool canReadShipped = false;
};

// What the map is to draw: the world, an airfield among its neighbours (or the airfields looked
// at lately among themselves), or a route's stops.
using MapSubject =
    std::variant<std::monostate, icao::Neighbourhood, std::vector<icao::MarkedAirfield>>;

// The finder's state apart from its widgets: the data file, the search and its answer, the
// airfield selected and its history, the route, and what the map shows. The window tells it
// what the user asks for and shows what it says changed.
class FinderController : public QObject {
    Q_OBJECT

  public:
    // Reads nothing until started.
    FinderController(QString dataFile, QString shippedFile, QObject* parent = nullptr);

    const DataFileState& fileState() const { return file_; }
    // The text whose answer was shown last.
    const QString& shownText() const { return shownText_; }
    const std::optional<DescribedAirfield>& shownAirfield() const { return airfield_; }
    const std::optional<RoutePlan>& shownRoute() const { return route_.shown(); }
    // Where File > Open route and Export route start.
    QString planFolder() const { return settings_.planFolder(); }
    const SelectionHistory& history() const { return history_; }
    RoutePlanner* planner() const { return route_.planner(); }
    // The airfields looked at lately, latest first: this run's, then those of runs before.
    QStringList recentCodes() const;

  public slots:
    // Reads the data file, and again whenever it changes on disk.
    void start();
    // Reads another data file from now on, and remembers it for the next start.
    void openDataFile(const QString& dataFile);
    void readShippedFile() { openDataFile(shippedFile_); }
    // The search field's text, searched where it changed.
    void setSearchText(const QString& text);
    // The text was typed by the user, so that typing on refines the history's step.
    void noteTyped() { typedSinceStep_ = true; }
    void setFilter(const icao::AirfieldFilter& filter);
    // More rows than the answer shown has; the airfield selected is selected again once they
    // come, or the one after it, as Down past the last row asks.
    void showMore(const QString& selected, std::size_t shownHits, bool stepPast);
    // A row selected: its airfield is described once the selection has rested a moment.
    void selectAirfield(const QString& code, std::size_t line);
    // No row selected: nothing is described.
    void clearAirfield();
    // An airfield clicked on the map: searched and selected; a stop of the route shown keeps
    // the route on the map, that stop marked.
    void chooseAirfieldOnMap(const QString& code);
    // The route field's text; unless typed is done, its last word may still be typed.
    void setRoute(const QString& text, bool typed);
    // A plan file's route, read on the planner's thread: routeRead gives it to the route
    // field, or planFailed says why there is none.
    void openRouteFile(const QString& path);
    // The route shown, as a plan file of the format, written whole or not at all; planFailed
    // says why it was not, planExported what the format could not hold.
    void exportRoute(const QString& path, icao::PlanFormat format);
    // The airfields of the answer shown, as GPX, KML or GeoJSON places.
    void exportResults(const QString& path, icao::PlanFormat format);
    void goBack() { showStep(history_.back()); }
    void goForward() { showStep(history_.forward()); }
    // Keeps the airfields looked at lately for the next start.
    void keepRecent() { settings_.setRecentCodes(recentCodes()); }

  signals:
    void fileStateChanged(const DataFileState& state);
    void atlasMade(const SharedAtlas& atlas);
    // An answer to show; `keep` is the code to select again, `stepPast` to select the row after.
    void answered(const SearchAnswer& answer, const QString& keep, bool stepPast);
    // A step of the history: its text to search, or, where it is searched, its code to select.
    void searchTextChosen(const QString& text);
    void airfieldChosen(const QString& code);
    void historyChanged();
    // The airfield described, or none.
    void airfieldShown();
    void routeShown();
    void mapChosen(const MapSubject& subject);
    // The stop of the route on the map that is selected; none for an empty code.
    void stopSelected(const QString& code);
    // A plan file's route, to put in the route field.
    void routeRead(const QString& text);
    // The file, and the changes its format made ("fpl: names written in capitals ...").
    void planExported(const QString& path, const QStringList& changes);
    void planFailed(const QString& message);

  private:
    void load();
    // The text's first rows, nothing kept selected.
    void searchAnew();
    void requestSearch();
    void showLoaded(qsizetype records);
    void showFailure(const QString& message);
    // Writes the file whole, or says why not; never a data file.
    bool writeWhole(const QString& path, const std::string& text);
    void showDescribed(const DescribedAirfield& airfield);
    void showStep(const std::optional<SelectionHistory::Step>& step);
    void drawMap();
    // The airfield selected among its neighbours and the place typed; or that place alone.
    icao::Neighbourhood neighbourhoodShown() const;
    // The airfields looked at lately, the latest as the origin.
    icao::Neighbourhood recentShown() const;
    void showRecent(const std::vector<icao::AirportRecord>& records);
    void selectStop(const QString& code);
    bool readsShippedFile() const;
    void tellFileState(DataFileState::Reading reading);

    QString shippedFile_;
    DataFileState file_;
    FinderSettings settings_;
    // The answer shown, which Export results writes.
    std::optional<SearchAnswer> answer_;
    SearchClient search_;
    RouteClient route_;
    DataFileWatcher watcher_;
    // Describes the selection once it has rested a moment: laying the details out takes longer
    // than a search, and while the user types each answer moves the selection.
    QTimer describe_;
    bool loaded_ = false;
    QString searchText_;
    QString shownText_;
    icao::AirfieldFilter filter_;
    std::size_t limit_ = kFirstShownHits;
    // The code to select when the answer comes, and whether the row after it instead.
    QString keep_;
    bool stepPast_ = false;
    // The row selected: its code and line.
    std::optional<std::pair<QString, std::size_t>> selected_;
    std::optional<DescribedAirfield> airfield_;
    // The place of a LAT,LON searched, marked on the map with the airfield selected, or
    // alone.
    std::optional<icao::MarkedAirfield> typedPoint_;
    // The airfields looked at lately with a place, as a search of no text gave them, for the
    // overview.
    std::vector<icao::MarkedAirfield> recent_;
    SelectionHistory history_;
    QStringList savedRecent_;
    // Whether the search's text was typed since the history's last step.
    bool typedSinceStep_ = false;
    MapChoice map_;
    // The stop chosen on the route's map, while it is the airfield selected.
    QString routeStop_;
};
