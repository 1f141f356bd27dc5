// SPDX-License-Identifier: MIT
#include "finder/finder_window.h"

#include "finder/answer_status.h"
#include "finder/details_pane.h"
#include "finder/file_menu.h"
#include "finder/finder_status_bar.h"
#include "finder/go_menu.h"
#include "finder/help_menu.h"
#include "finder/map_pane.h"
#include "finder/plan_drop.h"
#include "finder/route_pane.h"
#include "finder/search_pane.h"
#include "finder/units_menu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTextBrowser>
#include <QToolButton>

FinderWindow::FinderWindow(QString dataFile, QString shippedFile, QWidget* parent)
    : QMainWindow(parent), controller_(std::move(dataFile), std::move(shippedFile)),
      search_(new SearchPane), route_(new RoutePane), details_(new DetailsPane), map_(new MapPane),
      splitter_(new QSplitter), left_(new QSplitter(Qt::Vertical)),
      aside_(new QSplitter(Qt::Vertical)), status_(new FinderStatusBar),
      units_(new UnitsMenu(this)) {
    setStatusBar(status_);
    layOut();
    buildMenus();
    connectPanes();
    connectController();
    setTabOrder();
    restoreLayout();
    search_->field()->setFocus();
    controller_.start();
}

QString FinderWindow::shownRoute() const {
    const auto& plan = controller_.shownRoute();
    return plan ? plan->text : QString();
}

// The search, its results and the route on the left; the details over the map on the right.
void FinderWindow::layOut() {
    left_->addWidget(search_);
    left_->addWidget(route_);
    left_->setStretchFactor(0, 2);
    left_->setStretchFactor(1, 1);
    left_->setChildrenCollapsible(false);
    splitter_->addWidget(left_);
    aside_->addWidget(details_);
    aside_->addWidget(map_);
    aside_->setStretchFactor(0, 3);
    aside_->setStretchFactor(1, 2);
    aside_->setChildrenCollapsible(false);
    splitter_->addWidget(aside_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    setCentralWidget(splitter_);
}

void FinderWindow::connectPanes() {
    FinderController* controller = &controller_;
    QLineEdit* field = search_->field();
    ResultsTable* table = search_->table();
    connect(field, &QLineEdit::textChanged, controller, &FinderController::setSearchText);
    connect(field, &QLineEdit::textEdited, controller, &FinderController::noteTyped);
    connect(
        search_->filters(), &FilterBar::changed, controller,
        [controller, filters = search_->filters()] { controller->setFilter(filters->filter()); });
    connect(status_, &FinderStatusBar::moreWanted, search_, [this] { search_->askForMore(false); });
    connect(search_, &SearchPane::moreWanted, controller, &FinderController::showMore);
    connect(search_, &SearchPane::rowChosen, details_, qOverload<>(&QWidget::setFocus));
    connect(table, &QTableView::activated, details_, qOverload<>(&QWidget::setFocus));
    connect(table, &ResultsTable::airfieldSelected, controller, &FinderController::selectAirfield);
    connect(table, &ResultsTable::noneSelected, controller, &FinderController::clearAirfield);
    connect(table, &ResultsTable::copied, status_, &FinderStatusBar::showCopied);
    connect(route_, &RoutePane::planWanted, controller, &FinderController::setRoute);
    connect(map_, &MapPane::airfieldChosen, controller, &FinderController::chooseAirfieldOnMap);
    connect(details_, &DetailsPane::airfieldChosen, field, &QLineEdit::setText);
    connect(units_, &UnitsMenu::chosen, this, [this](ShownUnits units) {
        map_->setDistanceUnit(units.distance);
        search_->table()->results().setDistanceUnit(units.distance);
        details_->setUnits(units);
        route_->setDistanceUnit(units.distance);
    });
    emit units_->chosen(units_->units());
    status_->watchBrim(field);
    status_->watchBrim(route_->field());
}

void FinderWindow::connectController() {
    connect(&controller_, &FinderController::fileStateChanged, this, &FinderWindow::showFileState);
    connect(&controller_, &FinderController::atlasMade, map_, &MapPane::setAtlas);
    connect(&controller_, &FinderController::answered, this, &FinderWindow::showAnswer);
    connect(&controller_, &FinderController::searchTextChosen, search_->field(),
            &QLineEdit::setText);
    connect(&controller_, &FinderController::airfieldChosen, search_->table(),
            &ResultsTable::selectCode);
    connect(&controller_, &FinderController::airfieldShown, this, [this] {
        details_->showAirfield(controller_.shownAirfield());
        if (controller_.shownAirfield()) {
            emit detailsShown();
        }
    });
    connect(&controller_, &FinderController::routeShown, this, [this] {
        route_->showPlan(controller_.shownRoute());
        emit routeShown();
    });
    connect(&controller_, &FinderController::mapChosen, map_, &MapPane::showSubject);
    connect(&controller_, &FinderController::stopSelected, map_, &MapPane::markSelected);
}

void FinderWindow::showAnswer(const SearchAnswer& answer, const QString& keep, bool stepPast) {
    ResultsTable* table = search_->table();
    table->showAnswer(answer, keep, stepPast);
    const ResultsModel& results = table->results();
    const DataFileState& file = controller_.fileState();
    status_->showStatus(
        answerStatus(answer, results, search_->filters()->conditionCount() > 0,
                     file.shipped ? QString() : QFileInfo(file.dataFile).fileName()));
    const std::size_t unshown = results.matchedCount() - results.hitCount();
    status_->showUnshown(unshown);
    search_->setMoreToShow(unshown > 0);
    emit resultsShown();
}

void FinderWindow::showFileState(const DataFileState& state) {
    status_->showFile(state);
    if (state.reading == DataFileState::Reading::Unreadable) {
        search_->table()->results().clear();
        search_->showFileMessage(tr("The data file cannot be read: %1").arg(state.failure));
    } else if (state.reading == DataFileState::Reading::Read) {
        search_->showFileMessage({});
    }
    if (state.reading != DataFileState::Reading::Reading) {
        emit dataLoaded();
    }
}

void FinderWindow::buildMenus() {
    auto* file = new FileMenu(this);
    menuBar()->addMenu(file);
    connect(file, &FileMenu::openWanted, &controller_, &FinderController::openDataFile);
    connect(file, &FileMenu::shippedWanted, &controller_, &FinderController::readShippedFile);
    file->setPlanFolder(controller_.planFolder());
    connect(file, &FileMenu::routeOpenWanted, &controller_, &FinderController::openRouteFile);
    connect(file, &FileMenu::routeExportWanted, &controller_, &FinderController::exportRoute);
    connect(file, &FileMenu::resultsExportWanted, &controller_, &FinderController::exportResults);
    connect(new PlanDrop(this), &PlanDrop::planDropped, &controller_,
            &FinderController::openRouteFile);
    connect(&controller_, &FinderController::routeRead, route_, &RoutePane::takeRoute);
    connect(&controller_, &FinderController::planFailed, status_, &FinderStatusBar::showStatus);
    connect(&controller_, &FinderController::planExported, status_,
            [this](const QString& path, const QStringList& changes) {
                status_->showStatus(tr("Exported to %1").arg(path) +
                                    (changes.isEmpty() ? "" : "; " + changes.join("; ")));
            });
    connect(&controller_, &FinderController::fileStateChanged, file,
            [file](const DataFileState& state) {
                file->setDataFile(state.dataFile);
                file->setCanReadShipped(state.canReadShipped);
            });
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(search_->showFiltersAction());
    QAction* clearFilters = view->addAction(tr("&Clear filters"));
    clearFilters->setObjectName("clearFilters");
    connect(clearFilters, &QAction::triggered, search_->filters(), &FilterBar::clear);
    menuBar()->addMenu(units_);
    auto* go = new GoMenu(this, search_->field(), route_->field());
    menuBar()->addMenu(go);
    connect(go, &GoMenu::backWanted, &controller_, &FinderController::goBack);
    connect(go, &GoMenu::forwardWanted, &controller_, &FinderController::goForward);
    connect(&controller_, &FinderController::historyChanged, go, [this, go] {
        go->showHistory(controller_.history().canGoBack(), controller_.history().canGoForward());
    });
    menuBar()->addMenu(new HelpMenu(menuBar(), [this] {
        const DataFileState& file = controller_.fileState();
        return DataFacts{file.dataFile, file.airfields, file.navaids};
    }));
}

// Through every control in the order they stand, the tables left by Tab like any other.
void FinderWindow::setTabOrder() {
    QWidget* order[] = {search_->field(),   search_->filtersButton(),
                        search_->filters(), search_->table(),
                        route_->field(),    route_->speedField(),
                        route_->legs(),     route_->readings(),
                        details_,           map_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void FinderWindow::restoreLayout() {
    const FinderLayout kept = FinderSettings().layout();
    if (!restoreGeometry(kept.geometry)) {
        // A first start: room for the columns, the details and the map in the platform's font,
        // as large as it is set, within the screen; never smaller than a small laptop's screen,
        // however small the font measures.
        QSize wanted =
            QSize(fontMetrics().averageCharWidth() * 170, fontMetrics().lineSpacing() * 48)
                .expandedTo({800, 450});
        if (const QScreen* shownOn = screen()) {
            wanted = wanted.boundedTo(shownOn->availableSize() * 0.9);
        }
        resize(wanted);
    }
    // A first start: the results wider than the details, room for every column; the route a
    // third under the results, the details over a smaller map.
    if (!splitter_->restoreState(kept.splitter)) {
        splitter_->setSizes({5 * width(), 3 * width()});
    }
    if (!left_->restoreState(kept.left)) {
        left_->setSizes({2 * height(), height()});
    }
    if (!aside_->restoreState(kept.aside)) {
        aside_->setSizes({3 * height(), 2 * height()});
    }
    search_->table()->restorePlaceColumn(kept.placeColumn, kept.columnsFont);
}

void FinderWindow::closeEvent(QCloseEvent* event) {
    FinderSettings().setLayout({saveGeometry(), splitter_->saveState(), left_->saveState(),
                                aside_->saveState(), search_->table()->placeColumnWidth(),
                                search_->table()->font().toString()});
    controller_.keepRecent();
    QMainWindow::closeEvent(event);
}
