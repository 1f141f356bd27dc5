// SPDX-License-Identifier: MIT
#include "search/filtered_list.h"

#include "search/standing.h"

#include <algorithm>
#include <tuple>

namespace icao {

Expected<std::vector<RecordItem>> airfieldsKept(const AirfieldFilter& filter, std::size_t limit,
                                                const RecordSource& source) {
    struct Kept {
        Standing standing;
        std::size_t order;
        RecordItem item;
    };
    const auto before = [](const Kept& one, const Kept& other) {
        return std::tie(one.standing, one.order) < std::tie(other.standing, other.order);
    };
    // The best `limit` so far, the worst of them first: a long file costs its reading, not a
    // sort of every airfield it keeps.
    std::vector<Kept> kept;
    std::size_t order = 0;
    const auto error = source.visitItems([&](const StoredItem& stored) {
        const Standing standing = standingOfItem(stored.bytes);
        ++order;
        if (limit == 0 || !filter.wantsKind(standing.kind) ||
            (kept.size() == limit && !before({standing, order, {}}, kept.front()))) {
            return true;
        }
        if (filter.readsRecords() &&
            !admits(filter, AirportRecord::fromItem(stored.bytes, stored.line))) {
            return true;
        }
        kept.push_back({standing, order, {std::string(stored.bytes), stored.line}});
        std::push_heap(kept.begin(), kept.end(), before);
        if (kept.size() > limit) {
            std::pop_heap(kept.begin(), kept.end(), before);
            kept.pop_back();
        }
        return true;
    });
    if (error) {
        return *error;
    }
    std::sort_heap(kept.begin(), kept.end(), before);
    std::vector<RecordItem> items;
    for (Kept& one : kept) {
        items.push_back(std::move(one.item));
    }
    return items;
}

} // namespace icao
