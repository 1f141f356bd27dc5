// SPDX-License-Identifier: MIT
#pragma once

#include "search/find_result.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace icao {

// Keeps what the final list can show: every code hit, and of each other rank the first
// `limit` in list order, larger airfields first and file order among equals. Hits come in file
// order.
class HitCollector {
  public:
    explicit HitCollector(std::size_t limit) : limit_(limit) {}

    // Whether a hit of this rank, of an airfield of this kind, could still be shown.
    bool wants(FindRank rank, AirfieldKind kind) const {
        if (isCodeRank(rank)) {
            return true;
        }
        std::size_t room = limit_;
        for (std::size_t r = kFirstCutRank; r < static_cast<std::size_t>(rank); ++r) {
            room -= std::min(room, byRank_[r].size());
        }
        const auto& same = byRank_[static_cast<std::size_t>(rank)];
        // Coming later in the file, it must be strictly larger than the last one shown.
        return room > same.size() || (room > 0 && kind < same[room - 1].kind);
    }

    // The worst rank at which a hit of an airfield of this kind could still be shown; the code
    // ranks always can.
    FindRank worstWanted(AirfieldKind kind) const {
        for (std::size_t rank = kRankCount; rank-- > kFirstCutRank;) {
            if (wants(static_cast<FindRank>(rank), kind)) {
                return static_cast<FindRank>(rank);
            }
        }
        return FindRank::IataCode;
    }

    void add(FindHit hit) {
        auto& same = byRank_[static_cast<std::size_t>(hit.rank)];
        const auto place = std::upper_bound(
            same.begin(), same.end(), hit.kind,
            [](AirfieldKind kind, const FindHit& kept) { return kind < kept.kind; });
        same.insert(place, std::move(hit));
        strong_ = strong_ || same.back().rank < FindRank::Substring;
        if (!isCodeRank(same.back().rank) && same.size() > limit_) {
            same.pop_back();
        }
    }

    // Whether a hit better than a mere substring came: then no record is a suggestion.
    bool strong() const { return strong_; }

    // Takes the hits of the records that follow this collector's in the file.
    void append(HitCollector&& later) {
        for (auto& rank : later.byRank_) {
            for (FindHit& hit : rank) {
                add(std::move(hit));
            }
        }
    }

    // Code hits come first and all stay; the other ranks fill what the limit leaves.
    std::vector<FindHit> finish() {
        std::vector<FindHit> hits;
        for (auto& rank : byRank_) {
            for (FindHit& hit : rank) {
                if (isCodeRank(hit.rank) || hits.size() < limit_) {
                    hits.push_back(std::move(hit));
                }
            }
        }
        return hits;
    }

  private:
    static constexpr std::size_t kFirstCutRank = static_cast<std::size_t>(FindRank::IcaoPrefix);

    static bool isCodeRank(FindRank rank) {
        return rank == FindRank::IcaoCode || rank == FindRank::IataCode;
    }

    std::size_t limit_;
    std::array<std::vector<FindHit>, kRankCount> byRank_;
    bool strong_ = false;
};

} // namespace icao
