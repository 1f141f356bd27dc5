// SPDX-License-Identifier: MIT
#include "finder/core/finder_controller.h"

#include "finder/core/qt_text.h"
#include "finder/core/results_export.h"
#include "platform/path_text.h"
#include "records/magnetic_model.h"
#include "search/navaids.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

constexpr int kDescribeDelayMs = 60;
// The airfields looked at lately that a search of no text shows.
constexpr qsizetype kRecentAirfields = 10;

// Whether two descriptions would be drawn alike: the same record among the same neighbours
// and navaids.
bool sameNeighbourhood(const DescribedAirfield& one, const DescribedAirfield& other) {
    return one.record.line == other.record.line && one.record.code == other.record.code &&
           std::equal(one.nearest.begin(), one.nearest.end(), other.nearest.begin(),
                      other.nearest.end(),
                      [](const auto& a, const auto& b) { return a.item.line == b.item.line; }) &&
           std::equal(one.navaids.begin(), one.navaids.end(), other.navaids.begin(),
                      other.navaids.end(), [](const auto& a, const auto& b) {
                          return a.navaid.ident == b.navaid.ident && a.distanceKm == b.distanceKm;
                      });
}

} // namespace

FinderController::FinderController(QString dataFile, QString shippedFile, QObject* parent)
    : QObject(parent), shippedFile_(std::move(shippedFile)), savedRecent_(settings_.recentCodes()) {
    file_.dataFile = std::move(dataFile);
    describe_.setSingleShot(true);
    describe_.setInterval(kDescribeDelayMs);
    connect(&describe_, &QTimer::timeout, this, [this] {
        if (selected_) {
            search_.describe(selected_->first, filter_);
        }
    });
    connect(&watcher_, &DataFileWatcher::changed, this, &FinderController::load);
    connect(&search_, &SearchClient::loaded, this, &FinderController::showLoaded);
    connect(&search_, &SearchClient::failed, this, &FinderController::showFailure);
    connect(&search_, &SearchClient::atlasMade, this, &FinderController::atlasMade);
    connect(&search_, &SearchClient::indexHeld, &route_, &RouteClient::setIndex);
    connect(&search_, &SearchClient::navaidsHeld, this, [this](const SharedNavaids& navaids) {
        file_.navaids = navaids ? navaids->size() : 0;
        route_.setNavaids(navaids);
    });
    connect(&search_, &SearchClient::answered, this, [this](const SearchAnswer& answer) {
        shownText_ = answer.text;
        typedPoint_.reset();
        if (answer.point) {
            const std::string typed = answer.text.trimmed().toStdString();
            typedPoint_ = icao::MarkedAirfield{typed,
                                               typed,
                                               *answer.point,
                                               {},
                                               icao::StopKind::Point,
                                               tr("the place typed").toStdString()};
        }
        if (answer.kind == SearchAnswer::Kind::Recent) {
            showRecent(answer.recent);
        }
        answer_ = answer;
        emit answered(answer, keep_, stepPast_);
    });
    connect(&search_, &SearchClient::described, this, &FinderController::showDescribed);
    connect(&route_, &RouteClient::planFileRead, this,
            [this](const QString& text, const QString& error) {
                if (error.isEmpty()) {
                    emit routeRead(text);
                } else {
                    emit planFailed(error);
                }
            });
    connect(&route_, &RouteClient::changed, this, [this](bool stopsMoved) {
        const auto& plan = route_.shown();
        map_.routeChanged(plan && !plan->route.legs.empty(), stopsMoved);
        emit routeShown();
        drawMap();
    });
}

void FinderController::start() {
    load();
}

void FinderController::load() {
    watcher_.watch(file_.dataFile);
    tellFileState(DataFileState::Reading::Reading);
    search_.load(file_.dataFile);
}

void FinderController::openDataFile(const QString& dataFile) {
    file_.dataFile = dataFile;
    if (readsShippedFile()) {
        settings_.forgetDataFile();
    } else {
        settings_.setDataFile(dataFile);
    }
    load();
}

bool FinderController::readsShippedFile() const {
    const QFileInfo shipped(shippedFile_);
    const QFileInfo read(file_.dataFile);
    return !shippedFile_.isEmpty() &&
           (shipped.canonicalFilePath().isEmpty()
                ? shipped.absoluteFilePath() == read.absoluteFilePath()
                : shipped.canonicalFilePath() == read.canonicalFilePath());
}

void FinderController::tellFileState(DataFileState::Reading reading) {
    // Asked of the file system once: the shipped file and this one are compared by their
    // canonical paths.
    const bool readsShipped = readsShippedFile();
    file_.reading = reading;
    file_.shipped = shippedFile_.isEmpty() || readsShipped;
    file_.canReadShipped = !shippedFile_.isEmpty() && !readsShipped;
    emit fileStateChanged(file_);
}

void FinderController::showLoaded(qsizetype records) {
    loaded_ = true;
    file_.airfields = records;
    file_.failure.clear();
    tellFileState(DataFileState::Reading::Read);
    searchAnew();
    route_.planAgain();
    // The map shows the world, or what it showed, once there are records to show on it.
    map_.overviewChanged();
    drawMap();
}

void FinderController::showFailure(const QString& message) {
    loaded_ = false;
    file_.failure = message;
    airfield_.reset();
    typedPoint_.reset();
    map_.airfieldChanged(false);
    emit airfieldShown();
    route_.clear();
    tellFileState(DataFileState::Reading::Unreadable);
}

void FinderController::setSearchText(const QString& text) {
    if (text == searchText_) {
        return;
    }
    searchText_ = text;
    map_.askForAirfield();
    selectStop({});
    searchAnew();
}

void FinderController::setFilter(const icao::AirfieldFilter& filter) {
    filter_ = filter;
    searchAnew();
    // The nearest airfields keep to the filters too.
    describe_.start();
}

void FinderController::showMore(const QString& selected, std::size_t shownHits, bool stepPast) {
    limit_ = shownHits + kMoreShownHits;
    keep_ = selected;
    stepPast_ = stepPast;
    requestSearch();
}

void FinderController::searchAnew() {
    limit_ = kFirstShownHits;
    keep_.clear();
    stepPast_ = false;
    requestSearch();
}

void FinderController::requestSearch() {
    if (!loaded_) {
        return;
    }
    if (searchText_.trimmed().isEmpty()) {
        search_.recall(recentCodes());
    } else {
        search_.search(searchText_, filter_, limit_);
    }
}

QStringList FinderController::recentCodes() const {
    QStringList codes = history_.codes();
    for (const QString& code : savedRecent_) {
        if (!codes.contains(code)) {
            codes << code;
        }
    }
    return codes.mid(0, kRecentAirfields);
}

void FinderController::selectAirfield(const QString& code, std::size_t line) {
    selected_ = {code, line};
    if (code != routeStop_) {
        map_.askForAirfield();
        selectStop({});
    }
    describe_.start();
}

void FinderController::chooseAirfieldOnMap(const QString& code) {
    const auto& plan = route_.shown();
    const bool stop =
        map_.showsRoute() && plan &&
        std::any_of(plan->route.legs.begin(), plan->route.legs.end(), [&](const icao::Leg& leg) {
            return qt(leg.from.code) == code || qt(leg.to.code) == code;
        });
    setSearchText(code);
    if (stop) {
        map_.askForRoute();
        selectStop(code);
    }
    emit searchTextChosen(code);
}

void FinderController::selectStop(const QString& code) {
    if (code != routeStop_) {
        routeStop_ = code;
        emit stopSelected(code);
    }
}

void FinderController::clearAirfield() {
    selected_.reset();
    describe_.stop();
    airfield_.reset();
    map_.airfieldChanged(typedPoint_.has_value());
    emit airfieldShown();
    drawMap();
}

void FinderController::showDescribed(const DescribedAirfield& airfield) {
    if (!selected_ || selected_->second != airfield.record.line) {
        return;
    }
    // The same airfield among the same neighbours, described again as a text is typed on,
    // leaves the map, and the user's zoom, as they are.
    const bool moved = !airfield_ || !sameNeighbourhood(*airfield_, airfield);
    airfield_ = airfield;
    history_.record({shownText_, selected_->first}, typedSinceStep_);
    typedSinceStep_ = false;
    emit historyChanged();
    if (moved) {
        map_.airfieldChanged(true);
    }
    emit airfieldShown();
    drawMap();
}

void FinderController::showStep(const std::optional<SelectionHistory::Step>& step) {
    emit historyChanged();
    if (!step) {
        return;
    }
    if (searchText_ != step->text) {
        setSearchText(step->text);
        keep_ = step->code;
        emit searchTextChosen(step->text);
        return;
    }
    emit airfieldChosen(step->code);
}

void FinderController::setRoute(const QString& text, bool typed) {
    map_.askForRoute();
    selectStop({});
    route_.plan(text, typed);
}

void FinderController::openRouteFile(const QString& path) {
    settings_.setPlanFolder(QFileInfo(path).absolutePath());
    route_.readPlanFile(path);
}

void FinderController::exportRoute(const QString& path, icao::PlanFormat format) {
    settings_.setPlanFolder(QFileInfo(path).absolutePath());
    const auto& plan = route_.shown();
    if (!plan || plan->route.legs.empty()) {
        emit planFailed(tr("No route to export: type a route of two stops or more"));
        return;
    }
    const auto now = icao::secondsNow();
    const icao::WrittenPlan written =
        icao::writePlan(icao::planOf(plan->route, icao::decimalYearOf(now)), format, now);
    if (!writeWhole(path, written.text)) {
        return;
    }
    QStringList changes;
    for (const std::string& change : written.changes) {
        changes << QString::fromStdString(change);
    }
    emit planExported(path, changes);
}

void FinderController::exportResults(const QString& path, icao::PlanFormat format) {
    settings_.setPlanFolder(QFileInfo(path).absolutePath());
    const std::vector<icao::PlaceRecord> places =
        answer_ ? placesOf(*answer_) : std::vector<icao::PlaceRecord>{};
    if (places.empty()) {
        emit planFailed(tr("No airfields to export: search for some first"));
        return;
    }
    icao::PlacesWriter writer(format);
    std::string text = writer.begin();
    for (const icao::PlaceRecord& place : places) {
        text += writer.place(place);
    }
    text += writer.end();
    if (writeWhole(path, text)) {
        emit planExported(path, {});
    }
}

bool FinderController::writeWhole(const QString& path, const std::string& text) {
    if (icao::isDataFile(icao::pathFromUtf8(path.toStdString()),
                         icao::pathFromUtf8(file_.dataFile.toStdString()))) {
        emit planFailed(path + ": " + tr("is a data file being read; it is not written over"));
        return false;
    }
    // Written whole beside the file, then put in its place: a failure leaves the file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        emit planFailed(path + ": " + tr("cannot be written: %1").arg(file.errorString()));
        return false;
    }
    return true;
}

icao::Neighbourhood FinderController::neighbourhoodShown() const {
    if (!airfield_) {
        return icao::neighbourhoodOf(*typedPoint_, {}, typedPoint_->label);
    }
    icao::Neighbourhood neighbourhood =
        icao::neighbourhoodOf(airfield_->record, airfield_->nearest);
    for (const icao::NearbyNavaid& aid : airfield_->navaids) {
        neighbourhood.navaids.push_back(
            {aid.navaid.place, aid.navaid.ident, icao::isNdb(aid.navaid)});
    }
    if (typedPoint_) {
        neighbourhood.neighbours.push_back(*typedPoint_);
    }
    return neighbourhood;
}

void FinderController::showRecent(const std::vector<icao::AirportRecord>& records) {
    std::vector<icao::MarkedAirfield> placed;
    for (const icao::AirportRecord& record : records) {
        if (record.place()) {
            placed.push_back(icao::markedAirfieldOf(record));
        }
    }
    const auto samePlace = [](const icao::MarkedAirfield& one, const icao::MarkedAirfield& other) {
        return one.code == other.code && one.place.latitude == other.place.latitude &&
               one.place.longitude == other.place.longitude;
    };
    if (!std::equal(placed.begin(), placed.end(), recent_.begin(), recent_.end(), samePlace)) {
        recent_ = std::move(placed);
        map_.overviewChanged();
    }
}

icao::Neighbourhood FinderController::recentShown() const {
    icao::Neighbourhood recent =
        icao::neighbourhoodOf(recent_.front(), {}, tr("Looked at lately").toStdString());
    recent.rings = false;
    recent.neighbours.assign(recent_.begin() + 1, recent_.end());
    return recent;
}

void FinderController::drawMap() {
    const auto subject = map_.toDraw();
    if (!subject) {
        return;
    }
    switch (*subject) {
    case MapChoice::Subject::Route:
        emit mapChosen(icao::stopsOf(route_.shown()->route));
        break;
    case MapChoice::Subject::Airfield:
        emit mapChosen(neighbourhoodShown());
        break;
    case MapChoice::Subject::Overview:
        if (recent_.empty()) {
            emit mapChosen(std::monostate{});
        } else {
            emit mapChosen(recentShown());
        }
        break;
    }
}
