// SPDX-License-Identifier: MIT
#include "finder/core/search_client.h"

SearchClient::SearchClient(QObject* parent) : QObject(parent), worker_(new SearchWorker) {
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SearchWorker::loaded, this, &SearchClient::loaded);
    connect(worker_, &SearchWorker::failed, this, &SearchClient::failed);
    connect(worker_, &SearchWorker::atlasMade, this, &SearchClient::atlasMade);
    connect(worker_, &SearchWorker::indexHeld, this, &SearchClient::indexHeld);
    connect(worker_, &SearchWorker::navaidsHeld, this, &SearchClient::navaidsHeld);
    connect(worker_, &SearchWorker::described, this, &SearchClient::described);
    connect(worker_, &SearchWorker::answered, this, [this](const SearchAnswer& answer) {
        if (answer.generation == generation_) {
            emit answered(answer);
        }
    });
    thread_.start();
}

SearchClient::~SearchClient() {
    thread_.quit();
    thread_.wait();
}

template <typename Call> void SearchClient::ask(Call call) {
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, call = std::move(call)] { call(*worker); },
        Qt::QueuedConnection);
}

quint64 SearchClient::nextGeneration() {
    worker_->latest().store(++generation_);
    return generation_;
}

void SearchClient::load(const QString& dataFile) {
    ask([dataFile](SearchWorker& worker) { worker.load(dataFile); });
}

void SearchClient::search(const QString& text, const icao::AirfieldFilter& filter,
                          std::size_t limit) {
    ask([generation = nextGeneration(), text, filter, limit](SearchWorker& worker) {
        worker.search(generation, text, filter, limit);
    });
}

void SearchClient::recall(const QStringList& codes) {
    ask([generation = nextGeneration(), codes](SearchWorker& worker) {
        worker.recall(generation, codes);
    });
}

void SearchClient::describe(const QString& code, const icao::AirfieldFilter& filter) {
    ask([code, filter](SearchWorker& worker) { worker.describe(code, filter); });
}
