#pragma once

#include "search/find.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <vector>

namespace icao {

// Keeps what the final list can show: every code hit, and the first `limit` of each rank.
class HitCollector {
  public:
    explicit HitCollector(std::size_t limit) : limit_(limit) {}

    // The first rank whose further hits can no longer be shown: the hits kept below the code
    // ranks fill the limit up to and including it. Past the last rank when none is full.
    std::size_t cutoff() const {
        std::size_t kept = 0;
        for (std::size_t rank = kFirstCutRank; rank < byRank_.size(); ++rank) {
            kept += byRank_[rank].size();
            if (kept >= limit_) {
                return rank;
            }
        }
        return byRank_.size();
    }

    // Whether a hit of this rank could still be shown.
    bool wants(FindRank rank) const {
        return isCodeRank(rank) || static_cast<std::size_t>(rank) < cutoff();
    }

    void add(FindRank rank, AirportRecord record) {
        byRank_[static_cast<std::size_t>(rank)].push_back({rank, std::move(record)});
        empty_ = false;
    }

    bool empty() const { return empty_; }

    // Takes the hits of the records that follow this collector's in the file.
    void append(HitCollector&& later) {
        for (std::size_t rank = 0; rank < byRank_.size(); ++rank) {
            std::move(later.byRank_[rank].begin(), later.byRank_[rank].end(),
                      std::back_inserter(byRank_[rank]));
        }
        empty_ = empty_ && later.empty_;
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

    static constexpr std::size_t kFirstCutRank = static_cast<std::size_t>(FindRank::IcaoPrefix);

  private:
    static bool isCodeRank(FindRank rank) {
        return rank == FindRank::IcaoCode || rank == FindRank::IataCode;
    }

    std::size_t limit_;
    std::array<std::vector<FindHit>, kRankCount> byRank_;
    bool empty_ = true;
};

} // namespace icao
