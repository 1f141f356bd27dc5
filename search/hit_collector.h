// SPDX-License-Identifier: MIT
#pragma once

#include "search/find_result.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace icao {

// Keeps what the final list can show: every code hit, and of each other rank the best that
// the ranks before it leave room for, by standing and file order among equals.
// Hits come in file order; each costs O(log limit). A hit is anything with a rank and a
// standing: a record, or where an item stands while its chunk is searched, so that only what
// is kept to the end is ever made a record.
template <class Hit> class BasicHitCollector {
  public:
    explicit BasicHitCollector(std::size_t limit) : limit_(limit) {}

    // Whether a hit of this rank, of an airfield of this standing, could still be shown.
    bool wants(FindRank rank, Standing standing) const {
        if (isCodeRank(rank)) {
            return true;
        }
        const std::size_t room = roomOf(rank);
        const auto& same = cut_[cutIndex(rank)];
        // Coming later in the file, it must stand strictly before the last one kept.
        return room > same.size() || (room > 0 && standing < same.front().hit.standing);
    }

    // The worst rank at which a hit of an airfield of this standing could still be shown; the
    // code ranks always can.
    FindRank worstWanted(Standing standing) const {
        for (std::size_t rank = kRankCount; rank-- > kFirstCutRank;) {
            if (wants(static_cast<FindRank>(rank), standing)) {
                return static_cast<FindRank>(rank);
            }
        }
        return FindRank::IataCode;
    }

    void add(Hit hit) {
        strong_ = strong_ || hit.rank < FindRank::Substring;
        const FindRank rank = hit.rank;
        Kept kept{next_++, std::move(hit)};
        if (isCodeRank(rank)) {
            codeHits_.push_back(std::move(kept));
            return;
        }
        auto& same = cut_[cutIndex(rank)];
        same.push_back(std::move(kept));
        std::push_heap(same.begin(), same.end());
        // Ranks only ever fill from the front, so what no longer fits never fits again.
        for (std::size_t r = kFirstCutRank; r < kRankCount; ++r) {
            auto& later = cut_[r - kFirstCutRank];
            for (const std::size_t room = roomOf(static_cast<FindRank>(r)); later.size() > room;) {
                std::pop_heap(later.begin(), later.end());
                later.pop_back();
            }
        }
    }

    // A hit counted whether or not it is kept, where a find counts every hit.
    void countHit() { ++counted_; }
    std::size_t counted() const { return counted_; }

    // Whether a hit better than a mere substring came: then no record is a suggestion.
    bool strong() const { return strong_; }

    // Takes the hits of the records that follow this collector's in the file.
    void append(BasicHitCollector&& later) {
        strong_ = strong_ || later.strong_;
        counted_ += later.counted_;
        std::vector<Kept> hits = std::move(later.codeHits_);
        for (auto& same : later.cut_) {
            std::move(same.begin(), same.end(), std::back_inserter(hits));
        }
        std::sort(hits.begin(), hits.end(),
                  [](const Kept& a, const Kept& b) { return a.order < b.order; });
        for (Kept& kept : hits) {
            add(std::move(kept.hit));
        }
    }

    // Code hits come first and all stay; the other ranks fill what the limit leaves.
    std::vector<Hit> finish() {
        std::vector<Hit> hits;
        std::vector<Kept> codeHits = std::move(codeHits_);
        std::stable_sort(codeHits.begin(), codeHits.end(), [](const Kept& a, const Kept& b) {
            return std::pair(a.hit.rank, a.hit.standing) < std::pair(b.hit.rank, b.hit.standing);
        });
        for (Kept& kept : codeHits) {
            hits.push_back(std::move(kept.hit));
        }
        for (auto& same : cut_) {
            std::sort(same.begin(), same.end());
            for (Kept& kept : same) {
                if (hits.size() < limit_) {
                    hits.push_back(std::move(kept.hit));
                }
            }
        }
        return hits;
    }

    // The same collector with each kept hit made another kind of hit, in the same places.
    template <class Make> auto transformed(Make make) && {
        BasicHitCollector<decltype(make(std::declval<Hit&&>()))> made(limit_);
        const auto keep = [&](std::vector<Kept>& from, auto& to) {
            to.reserve(from.size());
            for (Kept& kept : from) {
                to.push_back({kept.order, make(std::move(kept.hit))});
            }
        };
        keep(codeHits_, made.codeHits_);
        for (std::size_t rank = 0; rank < cut_.size(); ++rank) {
            keep(cut_[rank], made.cut_[rank]);
        }
        made.next_ = next_;
        made.strong_ = strong_;
        made.counted_ = counted_;
        return made;
    }

  private:
    template <class> friend class BasicHitCollector;
    static constexpr std::size_t kFirstCutRank = static_cast<std::size_t>(FindRank::IcaoPrefix);

    // A hit with its place in the list's order within its rank: by standing, then file order.
    struct Kept {
        std::size_t order;
        Hit hit;
        bool operator<(const Kept& other) const {
            return std::pair(hit.standing, order) < std::pair(other.hit.standing, other.order);
        }
    };
    // A heap with the worst kept hit in front, the first to give way.
    using Ranked = std::vector<Kept>;

    static bool isCodeRank(FindRank rank) {
        return rank == FindRank::IcaoCode || rank == FindRank::IataCode;
    }
    static std::size_t cutIndex(FindRank rank) {
        return static_cast<std::size_t>(rank) - kFirstCutRank;
    }
    // The places the ranks before this one leave it.
    std::size_t roomOf(FindRank rank) const {
        std::size_t room = limit_;
        for (std::size_t r = kFirstCutRank; r < static_cast<std::size_t>(rank); ++r) {
            room -= std::min(room, cut_[r - kFirstCutRank].size());
        }
        return room;
    }

    std::size_t limit_;
    std::vector<Kept> codeHits_;
    std::array<Ranked, kRankCount - kFirstCutRank> cut_;
    std::size_t next_ = 0;
    bool strong_ = false;
    std::size_t counted_ = 0;
};

using HitCollector = BasicHitCollector<FindHit>;

} // namespace icao
