// SPDX-License-Identifier: MIT
#include "search/airports_by_code.h"

#include "search/code_table.h"

#include <unordered_map>

namespace icao {

Expected<std::vector<std::optional<AirportRecord>>> airportsByCode(const std::vector<Text>& codes,
                                                                   const RecordSource& source) {
    std::vector<std::optional<AirportRecord>> found(codes.size());
    if (const AirportIndex* held = source.held()) {
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (const auto item = held->itemByCode(codes[i])) {
                found[i] = AirportRecord::fromItem(item->bytes, item->line);
            }
        }
        return found;
    }
    // Each distinct code once, with the places it was asked at: one look-up an item, however
    // many codes are asked.
    struct Asked {
        std::vector<std::size_t> at;
        bool current = false;
        bool former = false;
    };
    std::unordered_map<Text, Asked> asked;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        asked[codes[i]].at.push_back(i);
    }
    std::size_t missing = asked.size();
    const auto keep = [&found](Asked& wanted, const StoredItem& item) {
        const auto record = AirportRecord::fromItem(item.bytes, item.line);
        for (const std::size_t i : wanted.at) {
            found[i] = record;
        }
    };
    const auto error = source.visitItems([&](const StoredItem& item) {
        const auto wanted = asked.find(lookedUpCode(item.bytes));
        if (wanted != asked.end() && !wanted->second.current) {
            keep(wanted->second, item);
            wanted->second.current = true;
            --missing;
        }
        // A code no record holds now may be a former code: the first record that had it
        // answers, unless a later one holds it now.
        forEachFormerCode(item.bytes, [&](const Text& code) {
            const auto formerly = asked.find(code);
            if (formerly != asked.end() && !formerly->second.current && !formerly->second.former) {
                keep(formerly->second, item);
                formerly->second.former = true;
            }
        });
        return missing > 0;
    });
    if (error) {
        return *error;
    }
    return found;
}

} // namespace icao
