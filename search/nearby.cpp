// SPDX-License-Identifier: MIT
#include "search/nearby.h"

#include "lookup/record_layout.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace icao {
namespace {

struct Candidate {
    double distanceKm;
    Place place;
    RecordItem item;

    // Farther, or as far and later in the file: the one to drop first.
    bool operator<(const Candidate& other) const {
        return std::tie(distanceKm, item.line) < std::tie(other.distanceKm, other.item.line);
    }
};

// The whole degrees of decimal degrees as records write them ("-12.345678"), read quickly to
// rule most places out before reading them exactly: the value lies within one of it. None
// for a field of another form.
std::optional<int> wholeDegrees(std::string_view field) {
    const bool negative = !field.empty() && field.front() == '-';
    field.remove_prefix(negative ? 1 : 0);
    int whole = 0;
    std::size_t digits = 0;
    for (; digits < field.size() && digits < 4 && field[digits] >= '0' && field[digits] <= '9';
         ++digits) {
        whole = whole * 10 + (field[digits] - '0');
    }
    if (digits == 0 || digits == 4 || (digits < field.size() && field[digits] != '.')) {
        return std::nullopt;
    }
    return negative ? -whole : whole;
}

// Whether the filter admits the item's record beyond its kind: read from the item where it can
// be, the record made only for what that leaves.
bool admitsRecord(const AirfieldFilter& filter, std::string_view item, std::size_t line) {
    return !filter.readsRecords() ||
           (mayAdmitItem(filter, item) && admits(filter, AirportRecord::fromItem(item, line)));
}

// The nearest airfields among those offered so far: a heap whose top is the one to drop.
class Nearest {
  public:
    explicit Nearest(const NearbyQuery& query) : query_(&query) {}

    void offer(std::string_view item, std::size_t line) {
        if (line == query_->originLine || !query_->filter.wantsKind(kindOfItem(item))) {
            return;
        }
        const std::string_view latitudeField = fieldAt(item, RecordField::Latitude);
        // No place is nearer than the difference of latitudes alone, read here in whole
        // degrees, a degree to spare.
        const auto whole = full() ? wholeDegrees(latitudeField) : std::nullopt;
        if (whole && (std::abs(*whole - query_->origin.latitude) - 1) * kKmPerDegree >
                         heap_.front().distanceKm) {
            return;
        }
        const auto place = placeOfItem(item);
        if (!place) {
            return;
        }
        const double distance = distanceKm(query_->origin, *place);
        // The rest of the filter reads the whole record: only for one that would be kept.
        const bool nearer = !full() || distance < heap_.front().distanceKm;
        if (nearer && admitsRecord(query_->filter, item, line)) {
            keep({distance, *place, RecordItem{std::string(item), line}});
        }
    }

    // Whether an item may be nearer than the farthest kept, by the latitude it is held with
    // in memory; never one of no place, always one streamed, which offer rules out itself.
    bool mayBeNearer(const StoredItem& item) const {
        if (item.latitude == StoredItem::kNotRead) {
            return true;
        }
        if (item.latitude == StoredItem::kNoPlace) {
            return false;
        }
        // The latitude held lies within half a hundredth of a degree of the record's.
        const double latitude = item.latitude / 100.0;
        return !full() || (std::abs(latitude - query_->origin.latitude) - 0.01) * kKmPerDegree <=
                              heap_.front().distanceKm;
    }

    std::vector<NearbyAirport> finish() {
        std::sort_heap(heap_.begin(), heap_.end());
        std::vector<NearbyAirport> airports;
        airports.reserve(heap_.size());
        for (Candidate& candidate : heap_) {
            airports.push_back({std::move(candidate.item), candidate.distanceKm,
                                initialCourse(query_->origin, candidate.place)});
        }
        heap_.clear();
        return airports;
    }

  private:
    bool full() const { return heap_.size() >= query_->limit; }

    void keep(Candidate candidate) {
        heap_.push_back(std::move(candidate));
        std::push_heap(heap_.begin(), heap_.end());
        if (heap_.size() > query_->limit) {
            std::pop_heap(heap_.begin(), heap_.end());
            heap_.pop_back();
        }
    }

    const NearbyQuery* query_;
    // The farthest kept in front, the first to give way.
    std::vector<Candidate> heap_;
};

} // namespace

Expected<std::vector<NearbyAirport>> nearestAirports(const NearbyQuery& query,
                                                     const RecordSource& source) {
    if (query.limit == 0) {
        return std::vector<NearbyAirport>();
    }
    Nearest nearest(query);
    const auto error = source.visitItems([&nearest](const StoredItem& item) {
        if (nearest.mayBeNearer(item)) {
            nearest.offer(item.bytes, item.line);
        }
        return true;
    });
    if (error) {
        return *error;
    }
    return nearest.finish();
}

std::vector<StoredItem> admittedItems(const AirfieldFilter& filter, const AirportIndex& index) {
    std::vector<StoredItem> admitted;
    index.visitItems([&](const StoredItem& item) {
        if (item.latitude != StoredItem::kNoPlace && filter.wantsKind(kindOfItem(item.bytes)) &&
            admitsRecord(filter, item.bytes, item.line)) {
            admitted.push_back(item);
        }
        return true;
    });
    return admitted;
}

} // namespace icao
