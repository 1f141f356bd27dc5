// SPDX-License-Identifier: MIT
#include "search/find.h"

#include "lookup/data_file.h"
#include "lookup/record_layout.h"
#include "platform/kernels.h"
#include "search/chunk_pipeline.h"
#include "search/chunk_search.h"
#include "search/code_table.h"
#include "search/searched_fields.h"
#include "search/word_index.h"

#include <cmath>
#include <functional>
#include <mutex>

namespace icao {
namespace {

// A chunk of the index: small enough that two threads share a file of a few thousand
// records evenly.
constexpr std::size_t kStoredItemsPerChunk = 2048;
constexpr std::size_t kStoredChunkBytes = 256 * 1024;

// The chunks' finds joined in file order.
FindResult joined(std::vector<ChunkFind> chunks) {
    if (chunks.empty()) {
        return {};
    }
    ChunkFind& whole = chunks.front();
    for (auto later = chunks.begin() + 1; later != chunks.end(); ++later) {
        whole.append(std::move(*later));
    }
    return whole.finish();
}

// The fields find searches of an item, folded: its searched part, separators for the fields
// between, and its later searched part where it has one. The item is UTF-8 or Windows-1252 as a
// whole, as its record reads it: a byte that is not UTF-8 in a field between (the runways, say)
// makes the searched fields Windows-1252 too. The splits lie after a "|", between characters,
// so the whole is UTF-8 when every part is.
void foldSearchedPart(std::string_view bytes, TextFolder& folder, std::string& folded) {
    const std::string_view searched = searchedPart(bytes);
    const std::string_view later = laterSearchedPart(bytes);
    const std::string_view between =
        bytes.substr(searched.size(), bytes.size() - searched.size() - later.size());
    std::string foldedLater;
    // The fields between are ASCII but for a name here and there: the vector kernel finds so.
    if (folder.foldUtf8(searched, folded) &&
        (kernels::findBeyondAscii(between, 0) == between.size() || isValidUtf8(between)) &&
        folder.foldUtf8(later, foldedLater)) {
        if (!later.empty()) {
            folded.append(kUnsearchedFields).append(foldedLater);
        }
        return;
    }
    const std::string whole = folder.fold(decodeText(bytes));
    folded = searchedPart(whole);
    if (const std::string_view wholeLater = laterSearchedPart(whole); !wholeLater.empty()) {
        folded.append(kUnsearchedFields).append(wholeLater);
    }
}

} // namespace

Expected<FindResult> findAirports(const Text& text, std::size_t limit,
                                  const std::filesystem::path& dataFile,
                                  const AirfieldFilter& filter) {
    TextFolder folder;
    const FindQuery query(prepareQuery(text, folder));
    if (query.folded.text.empty()) {
        return FindResult();
    }
    ChunkSearch search(query, limit, filter);
    auto chunks = searchInChunks<ChunkFind>(dataFile, std::ref(search));
    if (!chunks) {
        return chunks.error();
    }
    return joined(std::move(*chunks));
}

struct AirportIndex::Records {
    // The queries' folder, shared by the threads that ask.
    std::mutex folding;
    TextFolder folder;
    std::vector<ItemChunk> chunks;
    // Each item's latitude, in file order.
    std::vector<std::int16_t> latitudes;
    // Built when a code is first asked: find - never asks one.
    std::once_flag codesBuilt;
    CodeTable codes;
    // Built when a route is first read.
    std::once_flag wordsBuilt;
    std::optional<WordIndex> words;
};

AirportIndex::AirportIndex(std::unique_ptr<Records> records) : records_(std::move(records)) {}
AirportIndex::AirportIndex(AirportIndex&&) noexcept = default;
AirportIndex& AirportIndex::operator=(AirportIndex&&) noexcept = default;
AirportIndex::~AirportIndex() = default;

Expected<AirportIndex> AirportIndex::load(const std::filesystem::path& dataFile) {
    auto records = std::make_unique<Records>();
    std::string folded;
    const auto error = forEachItem(dataFile, [&](const FileItem& item) {
        // An item with nothing past its marker but "|" has no field find searches, and one of
        // two bytes at most no code the code lookup reads: it is never a hit, a suggestion nor
        // an origin, so a file of blank, one-letter or empty records costs nothing.
        const std::string_view bytes = keptBytes(item.bytes);
        if (bytes.size() < kCodeStart &&
            bytes.find_first_not_of('|', bytes.find('|')) == std::string_view::npos) {
            return;
        }
        auto& chunks = records->chunks;
        if (chunks.empty() || chunks.back().size() == kStoredItemsPerChunk ||
            chunks.back().byteCount() >= kStoredChunkBytes) {
            if (!chunks.empty()) {
                chunks.back().seal();
            }
            chunks.emplace_back();
        }
        ItemChunk& chunk = chunks.back();
        chunk.add(bytes, item.line);
        foldSearchedPart(bytes, records->folder, folded);
        chunk.addFolding(folded, wordMarksOf(fieldsOf(folded)));
        const auto place = placeOfItem(bytes);
        records->latitudes.push_back(
            place ? static_cast<std::int16_t>(std::lround(place->latitude * 100))
                  : StoredItem::kNoPlace);
    });
    if (error) {
        return *error;
    }
    if (!records->chunks.empty()) {
        records->chunks.back().seal();
    }
    records->chunks.shrink_to_fit();
    records->latitudes.shrink_to_fit();
    return AirportIndex(std::move(records));
}

FoldedQuery AirportIndex::folded(const Text& text) const {
    const std::lock_guard lock(records_->folding);
    return prepareQuery(text, records_->folder);
}

FindResult AirportIndex::find(const Text& text, std::size_t limit, const AirfieldFilter& filter,
                              HitCount count) {
    const FindQuery query(folded(text));
    if (query.folded.text.empty()) {
        return {};
    }
    ChunkSearch search(query, limit, filter, count);
    return joined(searchStoredChunks<ChunkFind>(records_->chunks, std::ref(search)));
}

FindResult AirportIndex::findStrong(const Text& text, std::size_t limit) {
    std::call_once(records_->wordsBuilt, [this] { records_->words.emplace(records_->chunks); });
    const FoldedQuery query = folded(text);
    HitCollector hits(limit);
    for (const auto [c, i] : records_->words->mayRankStrongly(query)) {
        const ItemChunk& chunk = records_->chunks[c];
        const auto rank = rankOf(fieldsOf(chunk.foldedOf(i)), query, FindRank::WholeWords);
        // A code's start reads nothing strongly: PAR is Paris, not the first of PARC, PARS ...
        if (!rank || *rank == FindRank::IcaoPrefix) {
            continue;
        }
        const Standing standing = standingOfItem(chunk.bytesOf(i));
        if (hits.wants(*rank, standing)) {
            hits.add({*rank, standing, {std::string(chunk.bytesOf(i)), chunk.lineOf(i)}});
        }
    }
    return {hits.finish(), {}, std::nullopt};
}

std::optional<StoredItem> AirportIndex::itemByCode(const Text& code) const {
    std::call_once(records_->codesBuilt, [this] {
        visitItems([this](const StoredItem& item) {
            records_->codes.add(item);
            return true;
        });
    });
    return records_->codes.find(code);
}

void AirportIndex::visitItems(const std::function<bool(const StoredItem&)>& visit) const {
    std::size_t at = 0;
    for (const ItemChunk& chunk : records_->chunks) {
        for (std::size_t i = 0; i < chunk.size(); ++i, ++at) {
            if (!visit({chunk.bytesOf(i), chunk.lineOf(i), records_->latitudes[at]})) {
                return;
            }
        }
    }
}

} // namespace icao
