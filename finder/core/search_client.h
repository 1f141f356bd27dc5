// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/search_worker.h"

#include <QObject>
#include <QThread>

// The search worker on a thread of its own, asked in typed calls: each search outdates those
// before it, and only the answer to the latest is passed on.
class SearchClient : public QObject {
    Q_OBJECT

  public:
    explicit SearchClient(QObject* parent = nullptr);
    ~SearchClient() override;

    void load(const QString& dataFile);
    void search(const QString& text, const icao::AirfieldFilter& filter, std::size_t limit);
    // The airfields of these codes, for a search of no text.
    void recall(const QStringList& codes);
    void describe(const QString& code, const icao::AirfieldFilter& filter);

  signals:
    void loaded(qsizetype records);
    void failed(const QString& message);
    void atlasMade(const SharedAtlas& atlas);
    void indexHeld(const SharedIndex& index);
    void navaidsHeld(const SharedNavaids& navaids);
    // The answer to the latest search asked.
    void answered(const SearchAnswer& answer);
    void described(const DescribedAirfield& airfield);

  private:
    // Runs the call on the worker's thread, after what was asked before it.
    template <typename Call> void ask(Call call);
    quint64 nextGeneration();

    QThread thread_;
    // Deleted on its thread once the thread ends.
    SearchWorker* worker_;
    quint64 generation_ = 0;
};
