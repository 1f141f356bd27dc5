// SPDX-License-Identifier: MIT
#pragma once

#include "search/item_chunk.h"
#include "search/query_words.h"

#include <compare>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace icao {

// Which items hold each whole word of their place fields, each start of their ICAO code and
// their IATA code, over folded items kept in memory: the only items that can rank for a query
// better than by word starts, found without weighing the others. A route of many words asks
// this of every span of its words.
class WordIndex {
  public:
    // An item's chunk and place in it: in file order.
    struct ItemAt {
        std::uint32_t chunk;
        std::uint32_t index;
        auto operator<=>(const ItemAt&) const = default;
    };

    explicit WordIndex(const std::vector<ItemChunk>& chunks);

    // In file order, each once, every item that may rank for the query by a code, a code's
    // start or every word whole; a few more may be given, none left out.
    std::vector<ItemAt> mayRankStrongly(const FoldedQuery& query) const;

  private:
    using Items = std::vector<ItemAt>;
    std::unordered_map<std::string, Items> words_;
    std::unordered_map<std::string, Items> codes_;
};

} // namespace icao
