#include "search/nearby.h"

#include "lookup/data_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>
#include <queue>

namespace icao {
namespace {

struct Candidate {
    double distanceKm;
    std::size_t line;
    Place place;
    AirportRecord record;

    // Farther, or as far and later in the file: the one to drop first.
    bool operator<(const Candidate& other) const {
        return std::tie(distanceKm, line) < std::tie(other.distanceKm, other.line);
    }
};

// The number in field `field` of the item's raw bytes; none when it is missing or not one.
// Coordinates are ASCII in UTF-8 and Windows-1252 alike, so no decoding is needed.
std::optional<double> rawNumber(std::string_view item, std::size_t field) {
    std::size_t start = 0;
    for (std::size_t k = 0; k < field; ++k) {
        const void* separator = std::memchr(item.data() + start, '|', item.size() - start);
        if (!separator) {
            return std::nullopt;
        }
        start = static_cast<std::size_t>(static_cast<const char*>(separator) - item.data()) + 1;
    }
    const char* end =
        static_cast<const char*>(std::memchr(item.data() + start, '|', item.size() - start));
    end = end ? end : item.data() + item.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(item.data() + start, end, value);
    if (stop == item.data() + start || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool wantedKind(std::string_view item, const std::string& kinds) {
    const std::size_t size = sizeRankOfItem(item);
    return kinds.empty() ||
           (size < kKindMarkers.size() && kinds.find(kKindMarkers[size]) != std::string::npos);
}

} // namespace

Expected<std::vector<NearbyAirport>> nearestAirports(const NearbyQuery& query,
                                                     const std::filesystem::path& dataFile) {
    constexpr auto kLatitude = static_cast<std::size_t>(RecordField::Latitude);
    constexpr auto kLongitude = static_cast<std::size_t>(RecordField::Longitude);
    constexpr double kKmPerDegree = kEarthRadiusKm * std::numbers::pi / 180.0;
    std::priority_queue<Candidate> nearest;
    const auto error = forEachItem(dataFile, [&](const FileItem& item) {
        if (query.limit == 0 || item.line == query.originLine ||
            !wantedKind(item.bytes, query.kinds)) {
            return;
        }
        const auto latitude = rawNumber(item.bytes, kLatitude);
        const bool full = nearest.size() == query.limit;
        // No place is nearer than the difference of latitudes alone.
        if (!latitude || (full && std::abs(*latitude - query.origin.latitude) * kKmPerDegree >
                                      nearest.top().distanceKm)) {
            return;
        }
        const auto longitude = rawNumber(item.bytes, kLongitude);
        const auto place = longitude ? placeOf(*latitude, *longitude) : std::nullopt;
        if (!place) {
            return;
        }
        const double distance = distanceKm(query.origin, *place);
        if (full && distance >= nearest.top().distanceKm) {
            return;
        }
        nearest.push({distance, item.line, *place,
                      AirportRecord::fromItem(decodeText(item.bytes), item.line)});
        if (nearest.size() > query.limit) {
            nearest.pop();
        }
    });
    if (error) {
        return *error;
    }
    std::vector<NearbyAirport> airports(nearest.size());
    for (auto at = airports.rbegin(); at != airports.rend(); ++at, nearest.pop()) {
        const Candidate& candidate = nearest.top();
        *at = {candidate.record, candidate.distanceKm,
               initialCourse(query.origin, candidate.place)};
    }
    return airports;
}

} // namespace icao
