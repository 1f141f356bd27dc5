// SPDX-License-Identifier: MIT
#include "finder/search_worker.h"

#include "platform/path_text.h"
#include "search/airports_by_code.h"

#include <QElapsedTimer>

namespace {

// More rows than a window shows, few enough to fill the table at once.
constexpr std::size_t kShownHits = 50;
constexpr std::size_t kNeighbours = 10;

icao::Text textOf(const QString& text) {
    return icao::decodeText(text.toStdString());
}

} // namespace

void SearchWorker::load(const QString& dataFile) {
    index_.reset();
    auto index = icao::AirportIndex::load(icao::pathFromUtf8(dataFile.toStdString()));
    if (!index) {
        emit failed(QString::fromStdString(index.error().describe()));
        return;
    }
    qsizetype records = 0;
    index->visitItems([&records](const icao::StoredItem&) {
        ++records;
        return true;
    });
    index_ = std::move(*index);
    emit loaded(records);
}

void SearchWorker::search(quint64 generation, const QString& text) {
    if (generation < latest_.load() || !index_) {
        return;
    }
    QElapsedTimer timer;
    timer.start();
    SearchAnswer answer{generation, text, index_->find(textOf(text), kShownHits), 0};
    answer.microseconds = timer.nsecsElapsed() / 1000;
    emit answered(answer);
}

void SearchWorker::describe(const QString& code) {
    if (!index_) {
        return;
    }
    auto record = icao::airportByCode(textOf(code), *index_);
    if (!record) {
        return;
    }
    Neighbourhood neighbourhood{*record, {}};
    if (const auto place = record->place()) {
        neighbourhood.nearest =
            icao::nearestAirports({*place, kNeighbours, {}, record->line}, *index_);
    }
    emit described(neighbourhood);
}

void SearchWorker::plan(const QString& text) {
    if (!index_) {
        return;
    }
    RoutePlan plan{text, {}, {}};
    std::vector<icao::AirportRecord> stops;
    // Dashes and blanks part the words, split by hand: a static QRegularExpression first used
    // on this thread kept the Windows program from exiting.
    QString words = text;
    words.replace('-', ' ');
    for (const QString& word : words.simplified().split(' ', Qt::SkipEmptyParts)) {
        auto record = icao::airportByCode(textOf(word.toUpper()), *index_);
        if (!record) {
            const auto hits = index_->find(textOf(word), 1).hits;
            if (!hits.empty()) {
                record = hits.front().item.record();
            }
        }
        if (record && record->place()) {
            stops.push_back(*record);
        } else {
            plan.unknown << word;
        }
    }
    for (std::size_t i = 1; plan.unknown.isEmpty() && i < stops.size(); ++i) {
        const icao::Place from = *stops[i - 1].place();
        const icao::Place to = *stops[i].place();
        const double km = icao::distanceKm(from, to);
        plan.route.legs.push_back({stops[i - 1], stops[i], km, icao::initialCourse(from, to)});
        plan.route.totalKm += km;
    }
    emit planned(plan);
}
