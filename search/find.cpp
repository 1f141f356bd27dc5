// SPDX-License-Identifier: MIT
#include "search/find.h"

#include "lookup/data_file.h"
#include "search/chunk_search.h"
#include "search/item_chunks.h"

#include <functional>

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

} // namespace

Expected<FindResult> findAirports(const Text& text, std::size_t limit,
                                  const std::filesystem::path& dataFile) {
    TextFolder folder;
    const FindQuery query(prepareQuery(text, folder));
    if (query.folded.text.empty()) {
        return FindResult();
    }
    ChunkSearch search(query, limit);
    auto chunks = searchInChunks<ChunkFind>(dataFile, std::ref(search));
    if (!chunks) {
        return chunks.error();
    }
    return joined(std::move(*chunks));
}

struct AirportIndex::Records {
    TextFolder folder;
    std::vector<ItemChunk> chunks;
};

AirportIndex::AirportIndex(std::unique_ptr<Records> records) : records_(std::move(records)) {}
AirportIndex::AirportIndex(AirportIndex&&) noexcept = default;
AirportIndex& AirportIndex::operator=(AirportIndex&&) noexcept = default;
AirportIndex::~AirportIndex() = default;

Expected<AirportIndex> AirportIndex::load(const std::filesystem::path& dataFile) {
    auto records = std::make_unique<Records>();
    std::string folded;
    const auto error = forEachItem(dataFile, [&](const FileItem& item) {
        // An item with nothing past its marker but "|" has no field find searches, so it is
        // never a hit nor a suggestion: a file of blank, one-word or empty records costs nothing.
        const std::string_view bytes = keptBytes(item.bytes);
        if (bytes.find_first_not_of('|', bytes.find('|')) == std::string_view::npos) {
            return;
        }
        auto& chunks = records->chunks;
        if (chunks.empty() || chunks.back().size() == kStoredItemsPerChunk ||
            chunks.back().byteCount() >= kStoredChunkBytes) {
            chunks.emplace_back();
        }
        ItemChunk& chunk = chunks.back();
        chunk.add(bytes, item.line);
        records->folder.foldItem(bytes, folded);
        chunk.addFolding(folded);
    });
    if (error) {
        return *error;
    }
    return AirportIndex(std::move(records));
}

FindResult AirportIndex::find(const Text& text, std::size_t limit) {
    const FindQuery query(prepareQuery(text, records_->folder));
    if (query.folded.text.empty()) {
        return {};
    }
    ChunkSearch search(query, limit);
    return joined(searchStoredChunks<ChunkFind>(records_->chunks, std::ref(search)));
}

} // namespace icao
