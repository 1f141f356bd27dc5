// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/data_file.h"
#include "search/find.h"
#include "search/find_query.h"
#include "search/hit_collector.h"
#include "search/suggestions.h"

#include <filesystem>
#include <string>

namespace oracle {

// What a find must answer, the slow way: every record folded whole and ranked, every record
// that is no hit weighed as a suggestion; no letter pairs, needle, phases or chunks.
inline icao::FindResult find(const icao::Text& text, std::size_t limit,
                             const std::filesystem::path& dataFile) {
    icao::TextFolder folder;
    const icao::FoldedQuery query = icao::prepareQuery(text, folder);
    if (query.text.empty()) {
        return {};
    }
    icao::HitCollector hits(limit);
    const icao::LetterPairs pairs(icao::Suggester::pairWordsOf(query));
    icao::Suggester suggester(query, pairs);
    std::string folded;
    icao::forEachItem(dataFile, [&](const icao::FileItem& item) {
        const std::string_view bytes = icao::keptBytes(item.bytes);
        folder.foldItem(bytes, folded);
        const icao::Standing standing = icao::standingOfItem(bytes);
        const icao::FoldedFields fields = icao::fieldsOf(folded);
        if (const auto rank = icao::rankOf(fields, query)) {
            if (hits.wants(*rank, standing)) {
                hits.add({*rank, standing, {std::string(bytes), item.line}});
            }
        } else if (const auto distance = suggester.distanceOf(fields)) {
            if (suggester.wouldKeep(*distance, standing)) {
                suggester.keep(*distance, standing,
                               icao::AirportRecord::fromItem(bytes, item.line));
            }
        }
    });
    icao::FindResult result;
    if (!hits.strong()) {
        result.suggestions = suggester.finish();
    }
    result.hits = hits.finish();
    return result;
}

} // namespace oracle
