// SPDX-License-Identifier: MIT
#include "search/chunk_search.h"

#include "platform/ascii.h"

#include <algorithm>

namespace icao {
namespace {

RecordItem itemOf(const ItemChunk& chunk, std::size_t index) {
    return {std::string(chunk.bytesOf(index)), chunk.lineOf(index)};
}

} // namespace

void ChunkSearch::keepHit(std::optional<FindRank> rank, const ItemChunk& chunk, std::size_t index,
                          ItemHits& hits) const {
    if (!rank) {
        return;
    }
    const Standing standing = standingOfItem(chunk.bytesOf(index));
    if (count_ == HitCount::Every) {
        if (!admitted(chunk, index)) {
            return;
        }
        hits.countHit();
        if (hits.wants(*rank, standing)) {
            hits.add({*rank, standing, index});
        }
        return;
    }
    if (hits.wants(*rank, standing) && admitted(chunk, index)) {
        hits.add({*rank, standing, index});
    }
}

bool ChunkSearch::admitted(const ItemChunk& chunk, std::size_t index) const {
    const std::string_view item = chunk.bytesOf(index);
    return filter_.wantsKind(kindOfItem(item)) &&
           (!filter_.readsRecords() ||
            admits(filter_, AirportRecord::fromItem(item, chunk.lineOf(index))));
}

void ChunkFind::append(ChunkFind&& later) {
    hits.append(std::move(later.hits));
    suggester.append(std::move(later.suggester));
}

FindResult ChunkFind::finish() {
    FindResult result;
    if (!hits.strong()) {
        result.suggestions = suggester.finish();
    }
    if (count == HitCount::Every) {
        result.matched = hits.counted();
    }
    result.hits = hits.finish();
    return result;
}

std::string_view ChunkSearch::foldedOf(const ItemChunk& chunk, std::size_t index,
                                       Worker* worker) const {
    if (chunk.isFolded()) {
        return chunk.foldedOf(index);
    }
    worker->folder.foldItem(chunk.bytesOf(index), worker->folded);
    return worker->folded;
}

ChunkSearch::Prefilter ChunkSearch::prefilter(const ItemChunk& chunk, std::size_t index,
                                              Worker* worker, const Suggester& suggester) const {
    const LetterPairs& pairs = query_.pairs;
    if (chunk.isFolded()) {
        const std::uint64_t found = pairs.in(chunk.foldedOf(index)).pairs;
        return {(found & query_.needlePairs) == query_.needlePairs, suggester.mayBeNear(found)};
    }
    // A raw ASCII item's pairs are its folding's; any other's are found from the raw ones and
    // the foldings of its other characters. An ASCII item that has the needle's pairs is then
    // searched for the needle itself.
    const std::string_view item = chunk.bytesOf(index);
    const auto raw = pairs.in(item);
    const std::uint64_t found =
        raw.beyondAscii ? pairs.inFolded(item, raw.pairs, worker->folder) : raw.pairs;
    const bool mayHold = (found & query_.needlePairs) == query_.needlePairs &&
                         (raw.beyondAscii || query_.needle.mayHold(item));
    return {mayHold, suggester.mayBeNear(found)};
}

bool ChunkSearch::mayRankByPlace(const ItemChunk& chunk, std::size_t index, std::string_view folded,
                                 FindRank worst) const {
    if (worst < FindRank::WholeWords) {
        return false;
    }
    if (worst >= FindRank::Substring) {
        return true;
    }
    // A word the whole item lacks is in none of its place fields: most items that hold a short
    // needle hold no such word, and are then not split into fields. An item in memory is
    // first asked by its marks.
    const WordMatch match = worst < FindRank::WordStarts ? WordMatch::Whole : WordMatch::Start;
    const WordMarks needed = match == WordMatch::Whole ? query_.wholeWordMarks : 0;
    if (query_.folded.words.empty() ||
        (chunk.isFolded() && (chunk.marksOf(index) & needed) != needed)) {
        return false;
    }
    return std::ranges::all_of(query_.folded.words, [&](const std::string& word) {
        return holdsWord(folded, word, match);
    });
}

bool ChunkSearch::rank(std::string_view folded, const ItemChunk& chunk, std::size_t index,
                       ItemHits& hits, FindRank worst) const {
    const auto rank = [&] {
        if (mayRankByPlace(chunk, index, folded, worst)) {
            return rankOf(fieldsOf(folded), query_.folded, worst);
        }
        const FoldedFields codes = codesOf(folded);
        return codeRankOf(codes.code, codes.iata, query_.folded);
    }();
    keepHit(rank, chunk, index, hits);
    return rank.has_value();
}

std::size_t ChunkSearch::weighHitsAndSuggestions(const ItemChunk& chunk, Worker* worker,
                                                 ItemHits& hits, Suggester& suggester) {
    std::size_t next = 0;
    for (; next < chunk.size() && !hits.strong() && !anyStrongHit_.load(std::memory_order_relaxed);
         ++next) {
        const Prefilter filter = prefilter(chunk, next, worker, suggester);
        if (!filter.mayHold && !filter.mayBeNear) {
            continue;
        }
        const std::string_view folded = foldedOf(chunk, next, worker);
        const bool hit =
            filter.mayHold && query_.needle.isIn(folded) && rank(folded, chunk, next, hits);
        if (hit || hits.strong() || !filter.mayBeNear) {
            continue;
        }
        const auto distance = suggester.distanceOf(fieldsOf(folded));
        if (!distance) {
            continue;
        }
        const Standing standing = standingOfItem(chunk.bytesOf(next));
        if (suggester.wouldKeep(*distance, standing) && admitted(chunk, next)) {
            suggester.keep(*distance, standing,
                           AirportRecord::fromItem(chunk.bytesOf(next), chunk.lineOf(next)));
        }
    }
    if (hits.strong()) {
        anyStrongHit_.store(true, std::memory_order_relaxed);
    }
    return next;
}

void ChunkSearch::rankRemainingHits(const ItemChunk& chunk, std::size_t from, Worker* worker,
                                    ItemHits& hits) const {
    for (std::size_t next = from; next < chunk.size(); ++next) {
        // Every hit holds the needle, code hits too.
        const std::string_view item = chunk.bytesOf(next);
        if (chunk.isFolded() ? !query_.needle.isIn(chunk.foldedOf(next))
                             : !query_.needle.mayHold(item)) {
            continue;
        }
        // The most prominent of its kind rules out what no prominence could keep, unread; a
        // count ranks every item.
        const FindRank worst = count_ == HitCount::Every
                                   ? FindRank::Substring
                                   : hits.worstWanted({kindOfItem(item), kMaxProminence});
        const bool codesOnly = worst < FindRank::WholeWords;
        if (chunk.isFolded()) {
            rank(chunk.foldedOf(next), chunk, next, hits, worst);
            continue;
        }
        // ASCII codes fold by lowering, whatever the rest of the item holds.
        const FoldedFields raw = codesOnly ? codesOf(item) : FoldedFields{};
        if (codesOnly && isAscii(raw.code) && isAscii(raw.iata)) {
            keepHit(codeRankOf(raw.code, raw.iata, query_.folded), chunk, next, hits);
            continue;
        }
        const std::string_view folded = foldedOf(chunk, next, worker);
        if (query_.needle.isIn(folded)) {
            rank(folded, chunk, next, hits, worst);
        }
    }
}

ChunkFind ChunkSearch::operator()(const ItemChunk& chunk, std::size_t worker) {
    ItemHits hits(limit_);
    Suggester suggester(query_.folded, query_.pairs);
    // A folded chunk never asks for its worker's folder.
    if (!chunk.isFolded() && !workers_[worker]) {
        workers_[worker].emplace();
    }
    Worker* state = workers_[worker] ? &*workers_[worker] : nullptr;
    const std::size_t next = weighHitsAndSuggestions(chunk, state, hits, suggester);
    rankRemainingHits(chunk, next, state, hits);
    return {std::move(hits).transformed([&chunk](const ItemHit& hit) {
                return FindHit{hit.rank, hit.standing, itemOf(chunk, hit.index)};
            }),
            std::move(suggester), count_};
}

} // namespace icao
