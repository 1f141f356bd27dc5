// SPDX-License-Identifier: MIT
#include "search/suggestions.h"

#include <algorithm>

namespace icao {

std::vector<std::string> Suggester::wordsOf(const FoldedQuery& query) {
    return query.words.empty() ? std::vector{query.text} : query.words;
}

std::vector<std::string> Suggester::pairWordsOf(const FoldedQuery& query) {
    std::vector<std::string> words;
    for (const std::string& word : wordsOf(query)) {
        words.push_back(word);
        words.emplace_back(word.rbegin(), word.rend());
    }
    return words;
}

Suggester::Suggester(const FoldedQuery& query, const LetterPairs& pairs) {
    for (const std::string& word : wordsOf(query)) {
        const std::size_t bound = decodeText(word).size() <= 5 ? 1 : 2;
        words_.push_back({word, WordDistance(word), NearWordFilter(word, bound, pairs), bound});
    }
}

bool Suggester::mayBeNear(std::uint64_t foundPairs) const {
    return std::all_of(words_.begin(), words_.end(),
                       [foundPairs](const Word& word) { return word.filter.mayHold(foundPairs); });
}

std::optional<std::size_t> Suggester::distanceOf(const FoldedFields& fields) {
    std::size_t total = 0;
    bool sameLetters = true;
    for (Word& word : words_) {
        std::size_t best = word.bound + 1;
        bool bestSameLetters = false;
        const auto weigh = [&](std::string_view other) {
            const std::size_t distance = word.distance.to(other, word.bound);
            const bool same =
                distance <= word.bound &&
                std::is_permutation(word.text.begin(), word.text.end(), other.begin(), other.end());
            if (distance < best) {
                best = distance;
                bestSameLetters = same;
            } else if (distance == best && same) {
                bestSameLetters = true;
            }
            return best == 0;
        };
        for (const std::string_view code : {fields.code, fields.iata}) {
            // An empty code is near no word: a record of empty fields is no suggestion.
            if (!code.empty()) {
                weigh(code);
            }
        }
        // Against the record's own words alone: the many names of its country and town would
        // put some record near almost any typo, and cost the most time.
        anyOwnWord(fields, weigh);
        if (best > word.bound) {
            return std::nullopt;
        }
        total += best;
        sameLetters = sameLetters && bestSameLetters;
    }
    return 2 * total + (sameLetters ? 0 : 1);
}

bool Suggester::wouldKeep(std::size_t distance, Standing standing) const {
    return best_.size() < kSuggestions ||
           std::pair(distance, standing) < std::pair(best_.back().distance, best_.back().standing);
}

void Suggester::keep(std::size_t distance, Standing standing, AirportRecord record) {
    const auto place = std::upper_bound(best_.begin(), best_.end(), std::pair(distance, standing),
                                        [](const auto& key, const Kept& kept) {
                                            return key < std::pair(kept.distance, kept.standing);
                                        });
    best_.insert(place, {distance, standing, std::move(record)});
    if (best_.size() > kSuggestions) {
        best_.pop_back();
    }
}

void Suggester::append(Suggester&& later) {
    for (Kept& kept : later.best_) {
        if (wouldKeep(kept.distance, kept.standing)) {
            keep(kept.distance, kept.standing, std::move(kept.record));
        }
    }
}

std::vector<AirportRecord> Suggester::finish() {
    std::vector<AirportRecord> records;
    for (Kept& kept : best_) {
        records.push_back(std::move(kept.record));
    }
    return records;
}

} // namespace icao
