#include "search/suggestions.h"

#include <algorithm>

namespace icao {

std::vector<std::string> Suggester::wordsOf(const FoldedQuery& query) {
    return query.words.empty() ? std::vector{query.text} : query.words;
}

Suggester::Suggester(const FoldedQuery& query, const LetterPairs& pairs) {
    for (const std::string& word : wordsOf(query)) {
        const std::size_t bound = decodeText(word).size() <= 5 ? 1 : 2;
        words_.push_back({WordDistance(word), NearWordFilter(word, bound, pairs), bound});
    }
}

bool Suggester::mayBeNear(std::uint64_t foundPairs) const {
    return std::all_of(words_.begin(), words_.end(),
                       [foundPairs](const Word& word) { return word.filter.mayHold(foundPairs); });
}

std::optional<std::size_t> Suggester::distanceOf(const FoldedFields& fields) {
    std::size_t total = 0;
    for (Word& word : words_) {
        std::size_t best = word.distance.to(fields.code, word.bound);
        anyPlaceWord(fields, [&](std::string_view place) {
            best = std::min(best, word.distance.to(place, word.bound));
            return best == 0;
        });
        if (best > word.bound) {
            return std::nullopt;
        }
        total += best;
    }
    return total;
}

bool Suggester::wouldKeep(std::size_t distance) const {
    return best_.size() < kSuggestions || distance < best_.back().first;
}

void Suggester::keep(std::size_t distance, AirportRecord record) {
    const auto place =
        std::upper_bound(best_.begin(), best_.end(), distance,
                         [](std::size_t d, const auto& entry) { return d < entry.first; });
    best_.insert(place, {distance, std::move(record)});
    if (best_.size() > kSuggestions) {
        best_.pop_back();
    }
}

void Suggester::append(Suggester&& later) {
    for (auto& [distance, record] : later.best_) {
        if (wouldKeep(distance)) {
            keep(distance, std::move(record));
        }
    }
}

std::vector<AirportRecord> Suggester::finish() {
    std::vector<AirportRecord> records;
    for (auto& entry : best_) {
        records.push_back(std::move(entry.second));
    }
    return records;
}

} // namespace icao
