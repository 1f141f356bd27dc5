// SPDX-License-Identifier: MIT
#pragma once

#include "records/airfield_filter.h"
#include "search/find_query.h"
#include "search/folding.h"
#include "search/hit_collector.h"
#include "search/item_chunk.h"
#include "search/suggestions.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace icao {

// What one chunk of items yields: its hits, and its suggestions while nothing matched better
// than a substring. Chunks' finds join in file order.
struct ChunkFind {
    HitCollector hits;
    Suggester suggester;
    HitCount count = HitCount::KeptOnly;

    // Takes the find of the chunk that follows this one in the file.
    void append(ChunkFind&& later);
    // The whole answer, once every chunk has joined.
    FindResult finish();
};

// A hit while its chunk is searched: the item's place in the chunk.
struct ItemHit {
    FindRank rank;
    Standing standing;
    std::size_t index;
};
using ItemHits = BasicHitCollector<ItemHit>;

// The find engine: searches chunks of items for one query, streamed from the file or kept in
// memory, on up to two workers at once, each with its own folder. A chunk kept in memory holds
// its items' foldings, so nothing is folded again.
class ChunkSearch {
  public:
    static constexpr std::size_t kWorkers = 2;

    // Only airfields the filter admits are hits or suggestions.
    ChunkSearch(const FindQuery& query, std::size_t limit, const AirfieldFilter& filter,
                HitCount count = HitCount::KeptOnly)
        : query_(query), limit_(limit), filter_(filter), count_(count) {}

    ChunkFind operator()(const ItemChunk& chunk, std::size_t worker);

  private:
    struct Worker {
        TextFolder folder;
        std::string folded;
    };
    // What the letter pairs tell of an item before it is ranked.
    struct Prefilter {
        bool mayHold;   // it may hold the needle, so may be a hit
        bool mayBeNear; // it may hold words near enough to be a suggestion
    };

    // A worker is given for a chunk that is not folded, and its folder folds the items.
    std::string_view foldedOf(const ItemChunk& chunk, std::size_t index, Worker* worker) const;
    Prefilter prefilter(const ItemChunk& chunk, std::size_t index, Worker* worker,
                        const Suggester& suggester) const;
    // Whether the item may rank by its place fields at `worst` or better, not by its codes
    // alone.
    bool mayRankByPlace(const ItemChunk& chunk, std::size_t index, std::string_view folded,
                        FindRank worst) const;
    // Ranks a folded item that holds the needle, by its codes alone where no word or substring
    // hit could be kept, and keeps it when the list can show it; yields whether it is a hit at
    // `worst` or better.
    bool rank(std::string_view folded, const ItemChunk& chunk, std::size_t index, ItemHits& hits,
              FindRank worst = FindRank::Substring) const;

    // Until something matches better than a substring, every item that is no hit may be a
    // suggestion, so a find that matches nothing still reads each item once. Yields where it
    // stopped.
    std::size_t weighHitsAndSuggestions(const ItemChunk& chunk, Worker* worker, ItemHits& hits,
                                        Suggester& suggester);
    // After a strong hit, only hits count; once word hits fill the list, only codes can still
    // bring one.
    void rankRemainingHits(const ItemChunk& chunk, std::size_t from, Worker* worker,
                           ItemHits& hits) const;

    // Keeps the item as a hit of this rank when the filter admits it and the list can still
    // show it, and counts it where every hit is counted; its standing is read only for a hit.
    void keepHit(std::optional<FindRank> rank, const ItemChunk& chunk, std::size_t index,
                 ItemHits& hits) const;
    bool admitted(const ItemChunk& chunk, std::size_t index) const;

    const FindQuery& query_;
    std::size_t limit_;
    const AirfieldFilter& filter_;
    HitCount count_;
    // Made when a worker first searches a chunk that is not folded: a folder's tables are
    // large next to one find in memory.
    std::array<std::optional<Worker>, kWorkers> workers_;
    // Once any chunk has a strong hit, no record anywhere can be a suggestion.
    std::atomic<bool> anyStrongHit_ = false;
};

} // namespace icao
