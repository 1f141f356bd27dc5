// SPDX-License-Identifier: MIT
#include "search/find.h"

#include "lookup/ascii.h"
#include "lookup/data_file.h"
#include "search/hit_collector.h"
#include "search/item_chunks.h"
#include "search/needle_search.h"
#include "search/query_words.h"
#include "search/suggestions.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <functional>
#include <iterator>
#include <numeric>

namespace icao {
namespace {

bool equalsLowered(std::string_view field, std::string_view text) {
    return field.size() == text.size() && startsWithLowered(field, text);
}

// The ranks that the codes alone decide.
std::optional<FindRank> codeRankOf(std::string_view code, std::string_view iata,
                                   const FoldedQuery& query) {
    if (equalsLowered(code, query.text)) {
        return FindRank::IcaoCode;
    }
    if (!iata.empty() && equalsLowered(iata, query.text)) {
        return FindRank::IataCode;
    }
    if (startsWithLowered(code, query.text)) {
        return FindRank::IcaoPrefix;
    }
    return std::nullopt;
}

std::optional<FindRank> rankOf(const FoldedFields& fields, const FoldedQuery& query) {
    if (const auto rank = codeRankOf(fields.code, fields.iata, query)) {
        return rank;
    }
    if (!query.words.empty()) {
        const auto everyWord = [&](auto matches) {
            return std::all_of(query.words.begin(), query.words.end(),
                               [&](const std::string& word) {
                                   return anyPlaceWord(fields, [&](std::string_view place) {
                                       return matches(place, word);
                                   });
                               });
        };
        if (everyWord(
                [](std::string_view place, std::string_view word) { return place == word; })) {
            return FindRank::WholeWords;
        }
        if (everyWord([](std::string_view place, std::string_view word) {
                return place.starts_with(word);
            })) {
            return FindRank::WordStarts;
        }
    }
    for (std::string_view field : {fields.code, fields.name, fields.municipality, fields.country,
                                   fields.iata, fields.keywords}) {
        if (field.find(query.text) != std::string_view::npos) {
            return FindRank::Substring;
        }
    }
    return std::nullopt;
}

std::uint64_t unionOf(const std::vector<std::uint64_t>& bits) {
    return std::accumulate(bits.begin(), bits.end(), std::uint64_t{0}, std::bit_or<>());
}

// Folds an item whole into out: as UTF-8, or else decoded as Windows-1252.
void foldItem(std::string_view bytes, TextFolder& folder, std::string& out) {
    if (!folder.foldUtf8(bytes, out)) {
        out = folder.fold(decodeText(bytes));
    }
}

// Ranks a folded record of this kind and keeps it when the list can show it; yields whether
// it is a hit at all.
template <class MakeRecord>
bool rank(std::string_view folded, AirfieldKind kind, const FoldedQuery& query,
          const NeedleSearch& needle, HitCollector& hits, MakeRecord record) {
    if (!needle.isIn(folded)) {
        return false;
    }
    const auto rank = rankOf(fieldsOf(folded), query);
    if (rank && hits.wants(*rank, kind)) {
        hits.add({*rank, kind, record()});
    }
    return rank.has_value();
}

// Weighs a folded record that is no hit as a suggestion.
template <class MakeRecord>
void suggest(std::string_view folded, AirfieldKind kind, Suggester& suggester, MakeRecord record) {
    const auto distance = suggester.distanceOf(fieldsOf(folded));
    if (distance && suggester.wouldKeep(*distance, kind)) {
        suggester.keep(*distance, kind, record());
    }
}

// What one chunk of items yields: its hits, and its suggestions while nothing matched better
// than a substring.
struct ChunkFind {
    HitCollector hits;
    Suggester suggester;
};

// Searches chunks of items for one query, two at a time, each worker with its own folder.
class ChunkSearch {
  public:
    ChunkSearch(const FoldedQuery& query, std::size_t limit)
        : query_(query), limit_(limit), pairs_(Suggester::pairWordsOf(query)),
          needlePairs_(unionOf(pairs_.bitsOf(query.mustHold))), needle_(query.mustHold) {}

    ChunkFind operator()(const ItemChunk& chunk, std::size_t worker);

  private:
    struct Worker {
        TextFolder folder;
        std::string folded;
    };

    const FoldedQuery& query_;
    std::size_t limit_;
    const LetterPairs pairs_;
    const std::uint64_t needlePairs_;
    const NeedleSearch needle_;
    std::array<Worker, 2> workers_;
    // Once any chunk has a strong hit, no record anywhere can be a suggestion.
    std::atomic<bool> anyStrongHit_ = false;
};

ChunkFind ChunkSearch::operator()(const ItemChunk& chunk, std::size_t worker) {
    ChunkFind result{HitCollector(limit_), Suggester(query_, pairs_)};
    HitCollector& hits = result.hits;
    Suggester& suggester = result.suggester;
    TextFolder& folder = workers_[worker].folder;
    std::string& folded = workers_[worker].folded;
    std::size_t next = 0;
    // Until something matches better than a substring, every record that is no hit may be a
    // suggestion, so that a find that matches nothing still reads each record once. An item's
    // letter pairs tell first whether it may hold the needle or a near word: an ASCII item's as it
    // stands, any other's once folded.
    for (; next < chunk.items.size() && !hits.strong() &&
           !anyStrongHit_.load(std::memory_order_relaxed);
         ++next) {
        const ItemChunk::Item& entry = chunk.items[next];
        const std::string_view item = chunk.bytesOf(entry);
        const auto record = [&] { return AirportRecord::fromItem(decodeText(item), entry.line); };
        const auto raw = pairs_.in(item);
        const std::uint64_t found =
            raw.beyondAscii ? pairs_.inFolded(item, raw.pairs, folder) : raw.pairs;
        const bool mayHold =
            (found & needlePairs_) == needlePairs_ && (raw.beyondAscii || needle_.mayHold(item));
        const bool mayBeNear = suggester.mayBeNear(found);
        if (!mayHold && !mayBeNear) {
            continue;
        }
        foldItem(item, folder, folded);
        const AirfieldKind kind = kindOfItem(item);
        const bool hit = mayHold && rank(folded, kind, query_, needle_, hits, record);
        if (!hit && !hits.strong() && mayBeNear) {
            suggest(folded, kind, suggester, record);
        }
    }
    if (hits.strong()) {
        anyStrongHit_.store(true, std::memory_order_relaxed);
    }
    for (; next < chunk.items.size(); ++next) {
        const ItemChunk::Item& entry = chunk.items[next];
        const std::string_view item = chunk.bytesOf(entry);
        if (!needle_.mayHold(item)) {
            continue;
        }
        const auto record = [&] { return AirportRecord::fromItem(decodeText(item), entry.line); };
        const AirfieldKind kind = kindOfItem(item);
        const bool codesOnly = !hits.wantsAny(FindRank::WholeWords);
        const FoldedFields raw = codesOnly ? fieldsOf(item) : FoldedFields{};
        if (codesOnly && isAscii(raw.code) && isAscii(raw.iata)) {
            // Once word hits fill the list, only the codes can still bring a hit to it; ASCII
            // codes fold by lowering, whatever the rest of the item holds.
            const auto rank = codeRankOf(raw.code, raw.iata, query_);
            if (rank && hits.wants(*rank, kind)) {
                hits.add({*rank, kind, record()});
            }
            continue;
        }
        foldItem(item, folder, folded);
        rank(folded, kind, query_, needle_, hits, record);
    }
    return result;
}

} // namespace

Expected<FindResult> findAirports(const Text& text, std::size_t limit,
                                  const std::filesystem::path& dataFile) {
    TextFolder folder;
    const FoldedQuery query = prepareQuery(text, folder);
    FindResult result;
    if (query.text.empty()) {
        return result;
    }
    ChunkSearch search(query, limit);
    auto chunks = searchInChunks<ChunkFind>(dataFile, std::ref(search));
    if (!chunks) {
        return chunks.error();
    }
    if (chunks->empty()) {
        return result;
    }
    ChunkFind& whole = chunks->front();
    for (auto later = chunks->begin() + 1; later != chunks->end(); ++later) {
        whole.hits.append(std::move(later->hits));
        whole.suggester.append(std::move(later->suggester));
    }
    if (!whole.hits.strong()) {
        result.suggestions = whole.suggester.finish();
    }
    result.hits = whole.hits.finish();
    return result;
}

namespace {

// A bit for each pair of neighbouring bytes the text holds, many pairs to a bit: an entry
// that lacks a bit of the needle's cannot hold the needle.
std::uint64_t pairSketch(std::string_view text) {
    std::uint64_t sketch = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        sketch |= std::uint64_t{1} << ((static_cast<unsigned char>(text[i]) * 31u +
                                        static_cast<unsigned char>(text[i + 1])) %
                                       64);
    }
    return sketch;
}

} // namespace

struct AirportIndex::Records {
    struct Entry {
        std::string folded;
        std::uint64_t pairs;
        AirportRecord record;
    };
    TextFolder folder;
    std::vector<Entry> entries;
};

AirportIndex::AirportIndex(std::unique_ptr<Records> records) : records_(std::move(records)) {}
AirportIndex::AirportIndex(AirportIndex&&) noexcept = default;
AirportIndex& AirportIndex::operator=(AirportIndex&&) noexcept = default;
AirportIndex::~AirportIndex() = default;

Expected<AirportIndex> AirportIndex::load(const std::filesystem::path& dataFile) {
    auto records = std::make_unique<Records>();
    const auto error = forEachItem(dataFile, [&records](const FileItem& item) {
        Records::Entry entry{{}, 0, AirportRecord::fromItem(decodeText(item.bytes), item.line)};
        foldItem(item.bytes, records->folder, entry.folded);
        entry.pairs = pairSketch(entry.folded);
        records->entries.push_back(std::move(entry));
    });
    if (error) {
        return *error;
    }
    return AirportIndex(std::move(records));
}

FindResult AirportIndex::find(const Text& text, std::size_t limit) {
    const FoldedQuery query = prepareQuery(text, records_->folder);
    FindResult result;
    if (query.text.empty()) {
        return result;
    }
    HitCollector hits(limit);
    const NeedleSearch needle(query.mustHold);
    std::vector<bool> isHit;
    const std::uint64_t needlePairs = pairSketch(query.mustHold);
    for (const Records::Entry& entry : records_->entries) {
        isHit.push_back((entry.pairs & needlePairs) == needlePairs &&
                        rank(entry.folded, entry.record.kind(), query, needle, hits,
                             [&entry] { return entry.record; }));
    }
    if (!hits.strong()) {
        const LetterPairs pairs(Suggester::pairWordsOf(query));
        Suggester suggester(query, pairs);
        for (std::size_t i = 0; i < records_->entries.size(); ++i) {
            const Records::Entry& entry = records_->entries[i];
            if (!isHit[i] && suggester.mayBeNear(pairs.in(entry.folded).pairs)) {
                suggest(entry.folded, entry.record.kind(), suggester,
                        [&entry] { return entry.record; });
            }
        }
        result.suggestions = suggester.finish();
    }
    result.hits = hits.finish();
    return result;
}

} // namespace icao
