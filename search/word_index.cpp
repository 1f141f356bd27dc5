// SPDX-License-Identifier: MIT
#include "search/word_index.h"

#include "platform/ascii.h"

#include <algorithm>
#include <iterator>

namespace icao {
namespace {

template <class Items, class Item> void addOnce(Items& items, Item item) {
    if (items.empty() || items.back() != item) {
        items.push_back(item);
    }
}

} // namespace

WordIndex::WordIndex(const std::vector<ItemChunk>& chunks) {
    for (std::uint32_t c = 0; c < chunks.size(); ++c) {
        for (std::uint32_t i = 0; i < chunks[c].size(); ++i) {
            const ItemAt at{c, i};
            const FoldedFields fields = fieldsOf(chunks[c].foldedOf(i));
            for (std::string_view field : placeFieldsOf(fields)) {
                anyWord(field, [&](std::string_view word) {
                    addOnce(words_[std::string(word)], at);
                    return false;
                });
            }
            // As find compares codes: the code lowered, each of its starts.
            const std::string code = loweredAscii(fields.code);
            for (std::size_t length = 1; length <= code.size(); ++length) {
                addOnce(codes_[code.substr(0, length)], at);
            }
            if (!fields.iata.empty()) {
                addOnce(codes_[loweredAscii(fields.iata)], at);
            }
        }
    }
}

std::vector<WordIndex::ItemAt> WordIndex::mayRankStrongly(const FoldedQuery& query) const {
    Items byWords;
    std::vector<const Items*> holders;
    for (const std::string& word : query.words) {
        const auto found = words_.find(word);
        holders.push_back(found == words_.end() ? nullptr : &found->second);
    }
    if (!holders.empty() && std::ranges::find(holders, nullptr) == holders.end()) {
        std::ranges::sort(holders, {}, [](const Items* items) { return items->size(); });
        std::ranges::copy_if(*holders.front(), std::back_inserter(byWords), [&](ItemAt item) {
            return std::all_of(holders.begin() + 1, holders.end(), [item](const Items* items) {
                return std::binary_search(items->begin(), items->end(), item);
            });
        });
    }
    // The query is folded, so lower case already.
    const auto byCode = codes_.find(query.text);
    if (byCode == codes_.end()) {
        return byWords;
    }
    Items both;
    std::ranges::set_union(byWords, byCode->second, std::back_inserter(both));
    return both;
}

} // namespace icao
