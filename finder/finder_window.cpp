// SPDX-License-Identifier: MIT
#include "finder/finder_window.h"

#include "finder/answer_status.h"
#include "finder/details_page.h"
#include "finder/help_pages.h"
#include "finder/qt_text.h"
#include "finder/route_legs.h"
#include "records/airfield_details.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Whether two records would be marked alike: the same code at the same place.
bool samePlace(const icao::AirportRecord& one, const icao::AirportRecord& other) {
    return one.code == other.code && one.latitude == other.latitude &&
           one.longitude == other.longitude;
}

// Whether two routes go through the same airfields in the same order, so that the map would
// draw them alike; a file read again may have moved one.
bool sameStops(const icao::Route& a, const icao::Route& b) {
    return std::equal(a.legs.begin(), a.legs.end(), b.legs.begin(), b.legs.end(),
                      [](const icao::Leg& one, const icao::Leg& other) {
                          return samePlace(one.from, other.from) && samePlace(one.to, other.to);
                      });
}

constexpr int kMinuteMs = 60 * 1000;
constexpr int kDescribeDelayMs = 60;
// How long typing in the route field rests before its last word is read as typed whole.
constexpr int kRouteRestMs = 800;
// The airfields looked at lately that the start shows.
constexpr qsizetype kRecentAirfields = 10;
// The fewest lines of legs shown at once; more scroll.
constexpr int kLeastLegsLines = 3;
// The most characters the route field holds.
constexpr int kLongestRoute = 1'000'000;
// As many characters as most airfields' names have.
constexpr int kNameCharacters = 32;

} // namespace

FinderWindow::FinderWindow(QString dataFile, QString shippedFile, QWidget* parent)
    : QMainWindow(parent), dataFile_(std::move(dataFile)), shippedFile_(std::move(shippedFile)),
      fileShown_(new QLabel), search_(new QLineEdit), filters_(new FilterBar),
      showFilters_(new QAction(tr("&Filters"), this)), filtersButton_(new QToolButton),
      message_(new QLabel), table_(new QTableView), details_(new QTextBrowser), map_(new MapPane),
      splitter_(new QSplitter), left_(new QSplitter(Qt::Vertical)),
      aside_(new QSplitter(Qt::Vertical)), status_(new QLabel), more_(new QPushButton),
      route_(new QLineEdit), speed_(new QLineEdit), legs_(new QTableView),
      readings_(new QTextBrowser), worker_(new SearchWorker), planner_(new RoutePlanner) {
    setUpControls();
    layOut();
    buildMenus();
    startWorker();
    connectControls();
    connect(&watcher_, &DataFileWatcher::changed, this, &FinderWindow::load);
    describe_.setSingleShot(true);
    describe_.setInterval(kDescribeDelayMs);
    connect(&describe_, &QTimer::timeout, this, &FinderWindow::describeSelected);
    routeRested_.setSingleShot(true);
    routeRested_.setInterval(kRouteRestMs);
    connect(&routeRested_, &QTimer::timeout, this, [this] { planRoute(true); });
    minute_.setInterval(kMinuteMs);
    connect(&minute_, &QTimer::timeout, this, [this] {
        if (shown_) {
            details_->setHtml(detailsPage(*shown_, icao::secondsNow(), units_));
        }
    });
    minute_.start();
    setTabOrder();
    qApp->installEventFilter(this);
    savedRecent_ = QSettings().value("recent").toStringList();
    restoreLayout();
    search_->setFocus();
    load();
}

void FinderWindow::setUpControls() {
    search_->setObjectName("search");
    search_->setPlaceholderText(tr("Code, name or place"));
    search_->setAccessibleName(tr("Search"));
    search_->setClearButtonEnabled(true);
    search_->installEventFilter(this);
    message_->setObjectName("dataFileMessage");
    // A label's text is what a screen reader reads as its name; what it is goes in the
    // description, so that a name given does not hide the text.
    message_->setAccessibleDescription(tr("Data file message"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->hide();
    table_->setObjectName("results");
    table_->setModel(&model_);
    table_->setAccessibleName(tr("Airfields found"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    table_->verticalHeader()->hide();
    // The codes, the country and the kind as wide as they are, the name taking what the window
    // gives (fitNameColumn), the place as the user sets it.
    QHeaderView* header = table_->horizontalHeader();
    for (const int column :
         {ResultsModel::Icao, ResultsModel::Iata, ResultsModel::Country, ResultsModel::Kind}) {
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    header->setSectionResizeMode(ResultsModel::Distance, QHeaderView::ResizeToContents);
    table_->setColumnHidden(ResultsModel::Distance, true);
    header->setResizeContentsPrecision(static_cast<int>(kFirstShownHits));
    header->setStretchLastSection(false);
    // Best first until a header is clicked; a third click gives that order back.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorClearable(true);
    table_->setSortingEnabled(true);
    table_->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this, [this](int column) {
        if (column != ResultsModel::Name) {
            fitNameColumn();
        }
    });
    table_->setWordWrap(false);
    showSelectionAsActive();
    details_->setObjectName("details");
    details_->setAccessibleName(tr("Airfield details"));
    details_->setOpenLinks(false);
    status_->setObjectName("searchStatus");
    status_->setAccessibleDescription(tr("Search status"));
    fileShown_->setObjectName("fileShown");
    fileShown_->setAccessibleDescription(tr("Data file"));
    more_->setObjectName("showMore");
    more_->setFlat(true);
    more_->hide();
    route_->setObjectName("route");
    route_->setPlaceholderText(tr("Route: codes or names, such as EGLL KJFK RJTT"));
    route_->setAccessibleName(tr("Route"));
    route_->setClearButtonEnabled(true);
    // As much as icao dist reads, and more than 1,000 words of any length pasted; as much as
    // find searches.
    route_->setMaxLength(kLongestRoute);
    search_->setMaxLength(static_cast<int>(icao::kMaxFindText));
    speed_->setObjectName("speed");
    speed_->setPlaceholderText(tr("Speed, such as 450kt"));
    speed_->setAccessibleName(tr("Ground speed"));
    speed_->setToolTip(tr("The ground speed to reckon time en route at: kt, km/h or mph"));
    speed_->setMaximumWidth(fontMetrics().averageCharWidth() * 24);
    showFilters_->setObjectName("showFilters");
    showFilters_->setCheckable(true);
    showFilters_->setShortcut(tr("Ctrl+Shift+F"));
    showFilters_->setToolTip(tr("Keep to airfields of a kind, a country or a runway"));
    filters_->hide();
    // The legs in a table, which lays out only the rows in sight and scrolls within itself, so
    // that a long route neither holds the window up nor moves anything else.
    legs_->setObjectName("legs");
    legs_->setAccessibleName(tr("Route legs"));
    legs_->setModel(&legsModel_);
    legs_->horizontalHeader()->hide();
    legs_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    legs_->verticalHeader()->hide();
    legs_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    legs_->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() * 5 / 4);
    legs_->setShowGrid(false);
    legs_->setWordWrap(false);
    legs_->setSelectionMode(QAbstractItemView::NoSelection);
    legs_->setFrameShape(QFrame::NoFrame);
    legs_->viewport()->setBackgroundRole(QPalette::Window);
    readings_->setObjectName("routeReadings");
    readings_->setAccessibleName(tr("How the route was read"));
    readings_->setOpenLinks(false);
    readings_->setFrameShape(QFrame::NoFrame);
    readings_->viewport()->setBackgroundRole(QPalette::Window);
    readings_->setMinimumHeight(fontMetrics().lineSpacing() * kLeastLegsLines);
    readings_->hide();
}

// The search, its results and the route on the left; the details over the map on the right.
void FinderWindow::layOut() {
    statusBar()->addWidget(status_, 1);
    statusBar()->addPermanentWidget(more_);
    statusBar()->addPermanentWidget(fileShown_);
    auto* results = new QWidget;
    auto* layout = new QVBoxLayout(results);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* planning = new QWidget;
    auto* routeLayout = new QVBoxLayout(planning);
    routeLayout->setContentsMargins(0, 0, 0, 0);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(search_);
    filtersButton_->setDefaultAction(showFilters_);
    filtersButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    searchRow->addWidget(filtersButton_);
    layout->addLayout(searchRow);
    layout->addWidget(filters_);
    layout->addWidget(message_);
    layout->addWidget(table_);
    auto* routeRow = new QHBoxLayout;
    routeRow->addWidget(route_);
    routeRow->addWidget(speed_);
    routeLayout->addLayout(routeRow);
    // The legs as tall as they are, up to the room there is; the readings under them.
    routeLayout->addWidget(legs_);
    routeLayout->addWidget(readings_, 1);
    routeLayout->addStretch();
    left_->addWidget(results);
    left_->addWidget(planning);
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

void FinderWindow::startWorker() {
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SearchWorker::loaded, this, &FinderWindow::showLoaded);
    connect(worker_, &SearchWorker::atlasMade, map_, &MapPane::setAtlas);
    connect(worker_, &SearchWorker::failed, this, &FinderWindow::showFailure);
    connect(worker_, &SearchWorker::answered, this, &FinderWindow::showAnswer);
    connect(worker_, &SearchWorker::described, this, &FinderWindow::showDetails);
    planner_->moveToThread(&planThread_);
    connect(&planThread_, &QThread::finished, planner_, &QObject::deleteLater);
    connect(worker_, &SearchWorker::navaidsHeld, planner_, &RoutePlanner::setNavaids);
    connect(worker_, &SearchWorker::navaidsHeld, this,
            [this](const SharedNavaids& navaids) { navaidsRead_ = navaids ? navaids->size() : 0; });
    connect(worker_, &SearchWorker::indexHeld, planner_, &RoutePlanner::setIndex);
    connect(planner_, &RoutePlanner::planned, this, &FinderWindow::showRoute);
    thread_.start();
    planThread_.start();
}

void FinderWindow::connectControls() {
    connect(search_, &QLineEdit::textChanged, this, [this] {
        mapAsks_ = MapAsk::Airfield;
        search();
    });
    connect(search_, &QLineEdit::textEdited, this, [this] { typedSinceStep_ = true; });
    connect(more_, &QPushButton::clicked, this, &FinderWindow::showMore);
    connect(route_, &QLineEdit::textChanged, this, [this] {
        mapAsks_ = MapAsk::Route;
        planRoute(false);
        routeRested_.start();
    });
    connect(route_, &QLineEdit::returnPressed, this, [this] {
        routeRested_.stop();
        planRoute(true);
    });
    // A field filled to the brim may have been cut: it says so.
    for (QLineEdit* field : {search_, route_}) {
        connect(field, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            if (text.size() >= field->maxLength()) {
                statusBar()->showMessage(tr("%1 holds at most %2 characters: the rest was cut")
                                             .arg(field->accessibleName())
                                             .arg(field->maxLength()),
                                         10000);
            }
        });
    }
    connect(speed_, &QLineEdit::textChanged, this, &FinderWindow::showLegs);
    connect(showFilters_, &QAction::toggled, filters_, &QWidget::setVisible);
    connect(filters_, &FilterBar::changed, this, &FinderWindow::filtersChanged);
    connect(readings_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { chooseStop(link.toString()); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        mapAsks_ = MapAsk::Airfield;
        describe_.start();
    });
    connect(table_, &QTableView::activated, this, [this] { details_->setFocus(); });
    connect(table_, &QTableView::customContextMenuRequested, this, &FinderWindow::showRowMenu);
    // Ctrl+C in the table copies the selected code, as it does from the search field.
    auto* copyCode = new QAction(tr("Copy ICAO code"), table_);
    copyCode->setShortcut(QKeySequence::Copy);
    copyCode->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(copyCode);
    connect(copyCode, &QAction::triggered, this, [this] { copySelected(ResultsModel::Icao); });
    connect(map_, &MapPane::airfieldChosen, search_, &QLineEdit::setText);
    connect(details_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (link.scheme() == kAirfieldLinkScheme) {
            search_->setText(link.path());
        }
    });
}

void FinderWindow::describeSelected() {
    const int row = selectedRow();
    if (row >= 0) {
        const QString code = qt(model_.record(row).code);
        QMetaObject::invokeMethod(
            worker_,
            [worker = worker_, code, filter = filters_->filter()] {
                worker->describe(code, filter);
            },
            Qt::QueuedConnection);
    }
}

FinderWindow::~FinderWindow() {
    // Qt hides and deletes the children after this part of the window is gone: a header resized
    // on the way must not call back into it.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
    // A plan still running is abandoned, so that the window closes at once.
    planner_->abandonAll();
    planThread_.quit();
    thread_.quit();
    planThread_.wait();
    thread_.wait();
}

void FinderWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] {
        const QString chosen = QFileDialog::getOpenFileName(
            this, tr("Open a data file"), QFileInfo(dataFile_).absolutePath(),
            tr("Airport data (*.txt);;All files (*)"));
        if (!chosen.isEmpty()) {
            openDataFile(chosen);
        }
    });
    readShipped_ = file->addAction(tr("&Shipped data"));
    readShipped_->setObjectName("readShipped");
    readShipped_->setToolTip(tr("Read the airports.txt shipped beside the program again"));
    readShipped_->setEnabled(false);
    connect(readShipped_, &QAction::triggered, this, [this] { openDataFile(shippedFile_); });
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(showFilters_);
    QAction* clearFilters = view->addAction(tr("&Clear filters"));
    clearFilters->setObjectName("clearFilters");
    connect(clearFilters, &QAction::triggered, filters_, &FilterBar::clear);
    buildUnitsMenu();
    buildGoMenu();
    buildHelpMenu();
}

// The program, its data and their sources; the keys. Each in a box that leaves the window in
// use.
void FinderWindow::buildHelpMenu() {
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    const auto showBox = [this](const QString& name, const QString& title, const QString& page) {
        auto* box = new QMessageBox(QMessageBox::NoIcon, title, page, QMessageBox::Close, this);
        box->setObjectName(name);
        box->setTextFormat(Qt::RichText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    };
    QAction* shortcuts = help->addAction(tr("&Keyboard shortcuts"));
    shortcuts->setObjectName("shortcuts");
    connect(shortcuts, &QAction::triggered, this, [this, showBox] {
        QList<QAction*> actions;
        for (const QAction* menu : menuBar()->actions()) {
            actions += menu->menu()->actions();
        }
        showBox("shortcutsBox", tr("Keyboard shortcuts"), shortcutsPage(actions));
    });
    QAction* about = help->addAction(tr("&About ICAO Finder"));
    about->setObjectName("about");
    connect(about, &QAction::triggered, this, [this, showBox] {
        showBox("aboutBox", tr("About ICAO Finder"),
                aboutPage({dataFile_, airfieldsRead_, navaidsRead_}));
    });
}

// Back and Forward through the airfields looked at, as a browser's, and keys to the two
// fields from anywhere in the window.
void FinderWindow::buildGoMenu() {
    QMenu* go = menuBar()->addMenu(tr("&Go"));
    back_ = go->addAction(tr("&Back"));
    back_->setObjectName("back");
    back_->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)});
    connect(back_, &QAction::triggered, this, [this] { showStep(history_.back()); });
    forward_ = go->addAction(tr("&Forward"));
    forward_->setObjectName("forward");
    forward_->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward)});
    connect(forward_, &QAction::triggered, this, [this] { showStep(history_.forward()); });
    go->addSeparator();
    QAction* toSearch = go->addAction(tr("&Search field"));
    toSearch->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_L)});
    connect(toSearch, &QAction::triggered, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
    QAction* toRoute = go->addAction(tr("&Route field"));
    toRoute->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(toRoute, &QAction::triggered, this,
            [this] { route_->setFocus(Qt::ShortcutFocusReason); });
    showHistoryState();
}

void FinderWindow::showHistoryState() {
    back_->setEnabled(history_.canGoBack());
    forward_->setEnabled(history_.canGoForward());
}

void FinderWindow::showStep(const std::optional<SelectionHistory::Step>& step) {
    showHistoryState();
    if (!step) {
        return;
    }
    if (search_->text() != step->text) {
        search_->setText(step->text);
        keptSelection_ = step->code;
        return;
    }
    if (const auto row = model_.rowOf(step->code)) {
        table_->selectRow(*row);
        table_->scrollTo(model_.index(*row, 0));
    }
}

// Through every control in the order they stand, the tables left by Tab like any other.
void FinderWindow::setTabOrder() {
    table_->setTabKeyNavigation(false);
    legs_->setTabKeyNavigation(false);
    QWidget* order[] = {search_, filtersButton_, filters_,  table_,   route_,
                        speed_,  legs_,          readings_, details_, map_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

// Distances in one unit and lengths in another, each a choice of its own; kept for the next
// start.
void FinderWindow::buildUnitsMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&Units"));
    QSettings settings;
    ShownUnits units;
    units.distance = icao::distanceUnitOf(settings.value("units/distance").toString().toStdString())
                         .value_or(units.distance);
    units.length = settings.value("units/length").toString() == "m" ? icao::LengthUnit::Metre
                                                                    : icao::LengthUnit::Foot;
    auto* distances = new QActionGroup(menu);
    for (const auto& [unit, label] :
         {std::pair{icao::DistanceUnit::NauticalMile, tr("&Nautical miles")},
          {icao::DistanceUnit::Kilometre, tr("&Kilometres")},
          {icao::DistanceUnit::StatuteMile, tr("&Statute miles")}}) {
        QAction* choice = distances->addAction(label);
        choice->setObjectName(QString("distance_") + icao::nameOf(unit).key.data());
        choice->setCheckable(true);
        choice->setChecked(unit == units.distance);
        connect(choice, &QAction::triggered, this, [this, unit = unit] {
            setUnits({unit, units_.length});
            QSettings().setValue("units/distance",
                                 QString::fromLatin1(icao::nameOf(unit).key.data()));
        });
    }
    menu->addSection(tr("Distances"));
    menu->addActions(distances->actions());
    auto* lengths = new QActionGroup(menu);
    for (const auto& [unit, label, key] : {std::tuple{icao::LengthUnit::Foot, tr("&Feet"), "ft"},
                                           {icao::LengthUnit::Metre, tr("&Metres"), "m"}}) {
        QAction* choice = lengths->addAction(label);
        choice->setObjectName(QString("length_") + key);
        choice->setCheckable(true);
        choice->setChecked(unit == units.length);
        connect(choice, &QAction::triggered, this, [this, unit = unit, key = key] {
            setUnits({units_.distance, unit});
            QSettings().setValue("units/length", key);
        });
    }
    menu->addSection(tr("Lengths and elevations"));
    menu->addActions(lengths->actions());
    setUnits(units);
}

void FinderWindow::setUnits(ShownUnits units) {
    units_ = units;
    map_->setDistanceUnit(units.distance);
    model_.setDistanceUnit(units.distance);
    if (shown_) {
        details_->setHtml(detailsPage(*shown_, icao::secondsNow(), units_));
    }
    showLegs();
}

void FinderWindow::filtersChanged() {
    const int conditions = filters_->conditionCount();
    showFilters_->setText(conditions == 0 ? tr("&Filters") : tr("&Filters (%1)").arg(conditions));
    search();
    // The nearest airfields keep to the filters too.
    describe_.start();
}

void FinderWindow::openDataFile(const QString& dataFile) {
    dataFile_ = dataFile;
    // The shipped file is no choice to remember: the next start reads it anyway, wherever the
    // program is then.
    if (readsShippedFile()) {
        QSettings().remove("dataFile");
    } else {
        QSettings().setValue("dataFile", dataFile_);
    }
    load();
}

bool FinderWindow::readsShippedFile() const {
    const QFileInfo shipped(shippedFile_);
    const QFileInfo read(dataFile_);
    return !shippedFile_.isEmpty() &&
           (shipped.canonicalFilePath().isEmpty()
                ? shipped.absoluteFilePath() == read.absoluteFilePath()
                : shipped.canonicalFilePath() == read.canonicalFilePath());
}

void FinderWindow::showFileRead(const QString& state) {
    const QString shown = tr("%1 (%2)").arg(QFileInfo(dataFile_).fileName(), state);
    setWindowTitle(shown);
    fileShown_->setText(shown);
    fileShown_->setToolTip(QDir::toNativeSeparators(QFileInfo(dataFile_).absoluteFilePath()));
    readShipped_->setEnabled(!shippedFile_.isEmpty() && !readsShippedFile());
}

void FinderWindow::load() {
    watcher_.watch(dataFile_);
    showFileRead(tr("reading ..."));
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, dataFile = dataFile_] { worker->load(dataFile); },
        Qt::QueuedConnection);
}

void FinderWindow::showLoaded(qsizetype records) {
    loaded_ = true;
    airfieldsRead_ = records;
    message_->hide();
    showFileRead(records == 1 ? tr("1 airfield")
                              : tr("%1 airfields").arg(QLocale().toString(records)));
    search();
    planRoute(true);
    emit dataLoaded();
}

void FinderWindow::showFailure(const QString& message) {
    loaded_ = false;
    model_.clear();
    details_->clear();
    shown_.reset();
    plan_.reset();
    showOnMap();
    message_->setText(tr("The data file cannot be read: %1").arg(message));
    message_->show();
    status_->setText(tr("No data file"));
    showFileRead(tr("cannot be read"));
    emit dataLoaded();
}

void FinderWindow::search() {
    shownLimit_ = kFirstShownHits;
    keptSelection_.clear();
    requestSearch();
}

// The name takes the room the other columns leave, never less than a long name needs: in a
// narrow window the table scrolls sideways rather than cut the names short.
void FinderWindow::fitNameColumn() {
    const QHeaderView* header = table_->horizontalHeader();
    int others = 0;
    for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
        others += column == ResultsModel::Name ? 0 : header->sectionSize(column);
    }
    const int least = kNameCharacters * table_->fontMetrics().averageCharWidth();
    table_->setColumnWidth(ResultsModel::Name,
                           std::max(least, table_->viewport()->width() - others));
}

QStringList FinderWindow::recentCodes() const {
    QStringList codes = history_.codes();
    for (const QString& code : savedRecent_) {
        if (!codes.contains(code)) {
            codes << code;
        }
    }
    return codes.mid(0, kRecentAirfields);
}

void FinderWindow::showMore() {
    stepPastKept_ = false;
    if (model_.hitCount() >= model_.matchedCount()) {
        return;
    }
    shownLimit_ = model_.hitCount() + kMoreShownHits;
    const int row = selectedRow();
    keptSelection_ = row >= 0 ? model_.value(row, ResultsModel::Icao) : QString();
    requestSearch();
}

void FinderWindow::requestSearch() {
    if (!loaded_) {
        return;
    }
    const QString text = search_->text();
    ++generation_;
    worker_->latest().store(generation_);
    if (text.trimmed().isEmpty()) {
        QMetaObject::invokeMethod(
            worker_,
            [worker = worker_, generation = generation_, codes = recentCodes()] {
                worker->recall(generation, codes);
            },
            Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(
        worker_,
        [worker = worker_, generation = generation_, text, filter = filters_->filter(),
         limit = shownLimit_] { worker->search(generation, text, filter, limit); },
        Qt::QueuedConnection);
}

void FinderWindow::planRoute(bool typed) {
    if (route_->text().trimmed().isEmpty()) {
        showLegRows({}, {});
        plan_.reset();
        showOnMap();
        emit routeShown();
        return;
    }
    ++planGeneration_;
    planner_->latest().store(planGeneration_);
    QMetaObject::invokeMethod(
        planner_,
        [planner = planner_, generation = planGeneration_, text = route_->text(), typed] {
            planner->plan(generation, text, typed);
        },
        Qt::QueuedConnection);
}

void FinderWindow::showRoute(const RoutePlan& plan) {
    if (plan.text != route_->text()) {
        return;
    }
    // A word typed on without changing a stop leaves the map, and its zoom, as it is.
    if (!plan_ || !sameStops(plan_->route, plan.route)) {
        ++planVersion_;
    }
    plan_ = plan;
    showLegs();
    showOnMap();
    emit routeShown();
}

void FinderWindow::showLegs() {
    if (!plan_ || route_->text().trimmed().isEmpty()) {
        return;
    }
    const QString speed = speed_->text().trimmed();
    const auto knots = icao::knotsOf(speed.toStdString());
    const LegsTelling telling{units_.distance, knots, !speed.isEmpty() && !knots};
    showLegRows(legRows(*plan_, telling), routeReadingsPage(*plan_, telling));
}

void FinderWindow::showLegRows(std::vector<QStringList> rows, const QString& readings) {
    legsModel_.show(std::move(rows));
    // As tall as its rows, so that the readings stand right under a short route.
    const int rowsHeight = legs_->verticalHeader()->length() + 2 * legs_->frameWidth();
    legs_->setMaximumHeight(rowsHeight);
    legs_->setMinimumHeight(
        std::min(rowsHeight, legs_->verticalHeader()->defaultSectionSize() * kLeastLegsLines));
    readings_->setHtml(readings);
    readings_->setVisible(!readings.isEmpty());
}

void FinderWindow::chooseStop(const QString& link) {
    const QStringList parts = link.split(':');
    bool isNumber = false;
    const std::size_t at = parts.value(1).toULongLong(&isNumber);
    if (parts.size() == 3 && parts[0] == kRouteStopLinkScheme && isNumber && plan_ &&
        at < plan_->reading.stops.size()) {
        route_->setText(routeWithStop(*plan_, at, parts[2]));
    }
}

void FinderWindow::showAnswer(const SearchAnswer& answer) {
    if (answer.generation != generation_) {
        return;
    }
    model_.show(answer);
    table_->setColumnHidden(ResultsModel::Distance, !model_.showsNearest());
    shownText_ = answer.text;
    const QString elsewhere =
        shippedFile_.isEmpty() || readsShippedFile() ? QString() : QFileInfo(dataFile_).fileName();
    status_->setText(answerStatus(answer, model_, filters_->conditionCount() > 0, elsewhere));
    const std::size_t unshown = model_.matchedCount() - model_.hitCount();
    more_->setText(tr("Show %1 &more").arg(std::min(unshown, kMoreShownHits)));
    more_->setVisible(unshown > 0);
    // The airfields looked at lately wait to be chosen: Escape, say, changes nothing shown.
    if (answer.kind == SearchAnswer::Kind::Recent && keptSelection_.isEmpty()) {
        details_->clear();
        shown_.reset();
        showOnMap();
    } else if (model_.rowCount() > 0) {
        int row = 0;
        if (const auto kept =
                keptSelection_.isEmpty() ? std::nullopt : model_.rowOf(keptSelection_)) {
            row = std::min(*kept + int(stepPastKept_), model_.rowCount() - 1);
        }
        table_->selectRow(row);
        table_->scrollTo(model_.index(row, 0));
    } else {
        details_->clear();
        shown_.reset();
        showOnMap();
    }
    emit resultsShown();
}

void FinderWindow::showOnMap() {
    const bool route = plan_ && !plan_->route.legs.empty();
    const bool wantsRoute = route && (mapAsks_ == MapAsk::Route || !shown_);
    const std::pair shows{wantsRoute ? MapAsk::Route : MapAsk::Airfield, wantsRoute ? planVersion_
                                                                         : shown_ ? airfieldVersion_
                                                                                  : 0};
    if (shows == mapShows_) {
        return;
    }
    mapShows_ = shows;
    if (wantsRoute) {
        map_->showRoute(icao::stopsOf(plan_->route));
    } else if (shown_) {
        icao::Neighbourhood neighbourhood = icao::neighbourhoodOf(shown_->record, shown_->nearest);
        for (const icao::NearbyNavaid& aid : shown_->navaids) {
            neighbourhood.navaids.push_back(
                {aid.navaid.place, aid.navaid.ident, icao::isNdb(aid.navaid)});
        }
        map_->showNeighbourhood(std::move(neighbourhood));
    } else {
        map_->clear();
    }
}

int FinderWindow::selectedRow() const {
    const QModelIndex current = table_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FinderWindow::showDetails(const DescribedAirfield& neighbourhood) {
    const int row = selectedRow();
    if (row < 0 || model_.record(row).line != neighbourhood.record.line) {
        return;
    }
    shown_ = neighbourhood;
    history_.record({shownText_, qt(neighbourhood.record.code)}, typedSinceStep_);
    typedSinceStep_ = false;
    showHistoryState();
    ++airfieldVersion_;
    details_->setHtml(detailsPage(neighbourhood, icao::secondsNow(), units_));
    showOnMap();
    emit detailsShown();
}

void FinderWindow::copyToClipboard(const QString& text) {
    QApplication::clipboard()->setText(text);
    statusBar()->showMessage(tr("Copied %1").arg(text.section('\t', 0, 0)), 3000);
}

void FinderWindow::copySelected(int column) {
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    copyToClipboard(column < 0 ? model_.rowText(row) : model_.value(row, column));
}

void FinderWindow::showRowMenu(const QPoint& position) {
    if (!table_->indexAt(position).isValid()) {
        return;
    }
    QMenu menu(this);
    connect(menu.addAction(tr("Copy ICAO code")), &QAction::triggered, this,
            [this] { copySelected(ResultsModel::Icao); });
    connect(menu.addAction(tr("Copy name")), &QAction::triggered, this,
            [this] { copySelected(ResultsModel::Name); });
    connect(menu.addAction(tr("Copy row")), &QAction::triggered, this,
            [this] { copySelected(-1); });
    menu.exec(table_->viewport()->mapToGlobal(position));
}

bool FinderWindow::eventFilter(QObject* watched, QEvent* event) {
    // The mouse's back and forward buttons, wherever in the window they are pressed.
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this &&
            (press->button() == Qt::BackButton || press->button() == Qt::ForwardButton)) {
            (press->button() == Qt::BackButton ? back_ : forward_)->trigger();
            return true;
        }
    }
    if (watched == table_->viewport() && event->type() == QEvent::Resize) {
        fitNameColumn();
    }
    if (watched != search_ || event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        // Past the last row shown, the next rows come.
        if (selectedRow() + 1 == model_.rowCount() && more_->isVisible()) {
            showMore();
            stepPastKept_ = true;
            return true;
        }
        QApplication::sendEvent(table_, key);
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        QApplication::sendEvent(table_, key);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (selectedRow() >= 0) {
            details_->setFocus();
        }
        return true;
    case Qt::Key_Escape:
        search_->clear();
        return true;
    default:
        break;
    }
    if (key->matches(QKeySequence::Copy) && !search_->hasSelectedText()) {
        copySelected(ResultsModel::Icao);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FinderWindow::restoreLayout() {
    QSettings settings;
    if (!restoreGeometry(settings.value("geometry").toByteArray())) {
        // A first start: room for the columns, the details and the map in the platform's font, as
        // large as it is set, within the screen; never smaller than a small laptop's screen,
        // however small the font measures.
        QSize wanted =
            QSize(fontMetrics().averageCharWidth() * 170, fontMetrics().lineSpacing() * 48)
                .expandedTo({800, 450});
        if (const QScreen* shownOn = screen()) {
            wanted = wanted.boundedTo(shownOn->availableSize() * 0.9);
        }
        resize(wanted);
    }
    splitter_->restoreState(settings.value("splitter").toByteArray());
    // A first start: the route a third under the results, the details over a smaller map.
    if (!left_->restoreState(settings.value("left").toByteArray())) {
        left_->setSizes({2 * height(), height()});
    }
    if (!aside_->restoreState(settings.value("aside").toByteArray())) {
        aside_->setSizes({3 * height(), 2 * height()});
    }
    // The place's width as the user left it, in the same font; in another, room for a place
    // as most are.
    const int placeWidth = settings.value("placeColumn").toInt();
    const bool sameFont = settings.value("columnsFont").toString() == table_->font().toString();
    table_->setColumnWidth(
        ResultsModel::Place,
        sameFont && placeWidth > 0 ? placeWidth : 16 * table_->fontMetrics().averageCharWidth());
}

// The search field's keys move the table's selection, so it shows as plainly while the field
// has the focus as when the table has it; some styles grey an unfocused selection out.
void FinderWindow::showSelectionAsActive() {
    QPalette colours = table_->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, palette().color(QPalette::Active, role));
    }
    table_->setPalette(colours);
}

void FinderWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        showSelectionAsActive();
    }
    QMainWindow::changeEvent(event);
}

void FinderWindow::closeEvent(QCloseEvent* event) {
    QSettings settings;
    settings.setValue("geometry", saveGeometry());
    settings.setValue("splitter", splitter_->saveState());
    settings.setValue("aside", aside_->saveState());
    settings.setValue("left", left_->saveState());
    settings.setValue("recent", recentCodes());
    settings.setValue("placeColumn", table_->columnWidth(ResultsModel::Place));
    settings.setValue("columnsFont", table_->font().toString());
    QMainWindow::closeEvent(event);
}
