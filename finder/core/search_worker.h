// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/route_planner.h"
#include "map/airfield_atlas.h"
#include "search/find.h"
#include "search/navaids.h"
#include "search/nearby.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <filesystem>
#include <memory>

// The rows a search shows first: more than a window shows, few enough to fill the table at
// once; each "show more" adds the second.
inline constexpr std::size_t kFirstShownHits = 50;
inline constexpr std::size_t kMoreShownHits = 200;

// What one search answered: the text it was asked, and how long it took; for a text, its hits
// and suggestions; for a place typed as LAT,LON, the airfields nearest it; for no text, the
// airfields looked at lately.
struct SearchAnswer {
    enum class Kind { Find, Nearest, Recent };
    quint64 generation = 0;
    QString text;
    Kind kind = Kind::Find;
    icao::FindResult result;
    std::vector<icao::NearbyAirport> nearest;
    // The place typed as LAT,LON, which the nearest are nearest to.
    std::optional<icao::Place> point;
    std::vector<icao::AirportRecord> recent;
    qint64 microseconds = 0;
    // The airfield whose code was asked for, shown first though the filters set it aside, and
    // why they do.
    QString shownDespiteFilters;
    QString whySetAside;
    // How many more the text matches that the filters set aside only for not knowing a
    // runway's surface or lighting.
    std::size_t setAsideUnknown = 0;
};

// An airfield, its nearest neighbours and the navaids about it, for the details and the map.
struct DescribedAirfield {
    icao::AirportRecord record;
    std::vector<icao::NearbyAirport> nearest;
    std::vector<icao::NearbyNavaid> navaids = {};
};

// Every airfield with a place, for the map of all in view; shared, read-only, between threads.
using SharedAtlas = std::shared_ptr<const icao::AirfieldAtlas>;

// The atlas of every airfield with a place that the records in memory hold.
SharedAtlas atlasOf(const icao::AirportIndex& index);

Q_DECLARE_METATYPE(SearchAnswer)
Q_DECLARE_METATYPE(SharedAtlas)
Q_DECLARE_METATYPE(DescribedAirfield)

// Holds the data file's records in memory and answers searches, on a thread of its own, so
// that typing never waits for one. A search asked for while a newer one waits is skipped: only
// the latest text is answered.
class SearchWorker : public QObject {
    Q_OBJECT

  public:
    // The generation of the newest search asked for; the window raises it before each request.
    std::atomic<quint64>& latest() { return latest_; }

  public slots:
    void load(const QString& dataFile);
    // The airfields the text finds, the best up to the limit, and the nearest to one, that the
    // filter keeps; every hit is counted.
    void search(quint64 generation, const QString& text, const icao::AirfieldFilter& filter,
                std::size_t limit);
    void describe(const QString& code, const icao::AirfieldFilter& filter);
    // The records of these codes, in their order, those the file lacks left out.
    void recall(quint64 generation, const QStringList& codes);

  signals:
    // The file's records are held, ready for searches; or they could not be, and why.
    void loaded(qsizetype records);
    // The file's airfields laid out for the map, once it is read.
    void atlasMade(const SharedAtlas& atlas);
    void failed(const QString& message);
    void answered(const SearchAnswer& answer);
    void described(const DescribedAirfield& neighbourhood);
    // The records held, shared with the route's planner; none while a file is read.
    void indexHeld(const SharedIndex& index);
    // The navaids read beside the file, shared likewise; emitted before the records.
    void navaidsHeld(const SharedNavaids& navaids);

  private:
    // Puts an airfield asked for by its code first though the filters set it aside, and counts
    // what they set aside only for not knowing.
    void keepWhatWasAskedFor(SearchAnswer& answer, const icao::AirfieldFilter& filter) const;

    SharedIndex index_;
    // From navaids.txt beside the data file; none without it, which the airfields do not need.
    SharedNavaids navaids_;
    std::atomic<quint64> latest_{0};
};
