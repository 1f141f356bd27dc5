// SPDX-License-Identifier: MIT
#include "finder/core/search_worker.h"

#include "lookup/key_filter.h"
#include "lookup/text_views.h"
#include "map/land.h"
#include "platform/path_text.h"
#include "records/geo.h"
#include "search/airports_by_code.h"
#include "search/standing.h"

#include <QElapsedTimer>
#include <algorithm>

namespace {

constexpr std::size_t kNeighbours = 10;

icao::Text textOf(const QString& text) {
    return icao::decodeText(text.toStdString());
}

} // namespace

SharedAtlas atlasOf(const icao::AirportIndex& index) {
    // Counted first, so that the atlas of a big file is made at its size, not grown to twice.
    std::size_t placed = 0;
    index.visitItems([&placed](const icao::StoredItem& item) {
        placed += item.latitude != icao::StoredItem::kNoPlace;
        return true;
    });
    std::vector<icao::AtlasAirfield> airfields;
    airfields.reserve(placed);
    index.visitItems([&airfields](const icao::StoredItem& item) {
        if (item.latitude == icao::StoredItem::kNoPlace) {
            return true;
        }
        if (const auto place = icao::placeOfItem(item.bytes)) {
            airfields.push_back(icao::atlasAirfieldOf(
                *place, fieldAt(item.bytes, icao::RecordField::Code), icao::kindOfItem(item.bytes),
                icao::standingOfItem(item.bytes).prominence));
        }
        return true;
    });
    return std::make_shared<const icao::AirfieldAtlas>(std::move(airfields));
}

void SearchWorker::load(const QString& dataFile) {
    index_.reset();
    emit indexHeld({});
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
    auto navaids =
        icao::readNavaids(icao::navaidsFileBeside(icao::pathFromUtf8(dataFile.toStdString())));
    navaids_ = std::make_shared<const std::vector<icao::Navaid>>(
        navaids ? std::move(*navaids) : std::vector<icao::Navaid>());
    emit navaidsHeld(navaids_);
    index_ = std::make_shared<icao::AirportIndex>(std::move(*index));
    emit indexHeld(index_);
    emit loaded(records);
    emit atlasMade(atlasOf(*index_));
    // The land is read here, on this thread, once, rather than by the first map drawn.
    icao::builtInWorld();
}

void SearchWorker::search(quint64 generation, const QString& text,
                          const icao::AirfieldFilter& filter, std::size_t limit) {
    if (generation < latest_.load() || !index_) {
        return;
    }
    QElapsedTimer timer;
    timer.start();
    SearchAnswer answer;
    answer.generation = generation;
    answer.text = text;
    if (const auto place = icao::placeOfCoordinates(text.toStdString())) {
        answer.kind = SearchAnswer::Kind::Nearest;
        answer.point = place;
        answer.nearest =
            std::move(*icao::nearestAirports({*place, limit, filter, std::nullopt}, *index_));
    } else {
        answer.result = index_->find(textOf(text), limit, filter, icao::HitCount::Every);
        keepWhatWasAskedFor(answer, filter);
    }
    answer.microseconds = timer.nsecsElapsed() / 1000;
    emit answered(answer);
}

void SearchWorker::keepWhatWasAskedFor(SearchAnswer& answer,
                                       const icao::AirfieldFilter& filter) const {
    if (!filter.setsAnyAside()) {
        return;
    }
    const icao::Text text = textOf(answer.text);
    // An airfield asked for by its own code, in any letter case, is shown whatever the filters
    // say, first: looked up by the code, as find ranks it, not searched for again.
    const icao::Text code = icao::filterTypedText(icao::trimSpaces(text));
    const auto item = index_->itemByCode(code);
    const auto asked =
        item ? std::optional(icao::AirportRecord::fromItem(item->bytes, item->line)) : std::nullopt;
    if (asked && asked->code == icao::toUtf8(code)) {
        auto& hits = answer.result.hits;
        const bool kept = std::any_of(hits.begin(), hits.end(), [&item](const auto& hit) {
            return hit.item.line == item->line;
        });
        if (!kept) {
            answer.shownDespiteFilters = QString::fromStdString(asked->code);
            answer.whySetAside = QString::fromStdString(icao::whySetAside(filter, *asked));
            hits.insert(hits.begin(), {icao::FindRank::IcaoCode,
                                       icao::standingOfItem(item->bytes),
                                       {std::string(item->bytes), item->line}});
        }
    }
    if (filter.surface || filter.lighted) {
        icao::AirfieldFilter lenient = filter;
        lenient.keepsUnknown = true;
        const auto matched = index_->find(text, 1, lenient, icao::HitCount::Every).matched;
        const auto kept = answer.result.matched.value_or(0);
        answer.setAsideUnknown = matched && *matched > kept ? *matched - kept : 0;
    }
}

void SearchWorker::describe(const QString& code, const icao::AirfieldFilter& filter) {
    if (!index_) {
        return;
    }
    auto record = icao::airportsByCode({textOf(code)}, *index_)->front();
    if (!record) {
        return;
    }
    DescribedAirfield neighbourhood{*record, {}};
    if (const auto place = record->place()) {
        neighbourhood.nearest =
            std::move(*icao::nearestAirports({*place, kNeighbours, filter, record->line}, *index_));
        neighbourhood.navaids =
            icao::nearestNavaids(*navaids_, *place, navaids_->size(), icao::kAirfieldNavaidsKm);
    }
    emit described(neighbourhood);
}

void SearchWorker::recall(quint64 generation, const QStringList& codes) {
    if (generation < latest_.load() || !index_) {
        return;
    }
    std::vector<icao::Text> keys;
    for (const QString& code : codes) {
        keys.push_back(textOf(code));
    }
    SearchAnswer answer;
    answer.generation = generation;
    answer.kind = SearchAnswer::Kind::Recent;
    auto records = icao::airportsByCode(keys, *index_);
    if (!records) {
        return;
    }
    for (auto& record : *records) {
        if (record) {
            answer.recent.push_back(std::move(*record));
        }
    }
    emit answered(answer);
}
