// SPDX-License-Identifier: MIT
#pragma once

#include "records/airport_record.h"
#include "search/edit_distance.h"
#include "search/near_word_filter.h"
#include "search/query_words.h"
#include "search/standing.h"

#include <optional>
#include <utility>
#include <vector>

namespace icao {

// Picks up to three records within a small edit distance of each query word: one edit for
// words of up to five characters, two beyond. Closest first (at the same distance, words that
// keep the query's letters, as a swap does, before others), then larger airfields, then file
// order.
class Suggester {
  public:
    // The words a record is weighed by: the query's words, or its whole text when it has none.
    static std::vector<std::string> wordsOf(const FoldedQuery& query);
    // The words whose letter pairs the near-word filters ask for: each word, then the word
    // reversed.
    static std::vector<std::string> pairWordsOf(const FoldedQuery& query);

    // pairs holds those of pairWordsOf(query); mayBeNear is given the bits it finds.
    Suggester(const FoldedQuery& query, const LetterPairs& pairs);

    // False only when a record holding just these letter pairs holds no word near enough to
    // every query word; far cheaper than distanceOf.
    bool mayBeNear(std::uint64_t foundPairs) const;

    // How far the record is from the query, as twice its summed distance over the query words,
    // plus one unless each word's nearest has the word's own letters; none when a word has no
    // code, IATA code or place word near enough.
    std::optional<std::size_t> distanceOf(const FoldedFields& fields);

    // Whether a record at this distance, of an airfield of this standing, would be among the
    // closest so far; only then is it worth making the record for keep. Records come in file
    // order.
    bool wouldKeep(std::size_t distance, Standing standing) const;
    void keep(std::size_t distance, Standing standing, AirportRecord record);

    // Takes the suggestions of the records that follow this suggester's in the file.
    void append(Suggester&& later);

    std::vector<AirportRecord> finish();

  private:
    struct Word {
        std::string text;
        WordDistance distance;
        NearWordFilter filter;
        std::size_t bound;
    };
    static constexpr std::size_t kSuggestions = 3;
    std::vector<Word> words_;
    struct Kept {
        std::size_t distance;
        Standing standing;
        AirportRecord record;
    };
    std::vector<Kept> best_;
};

} // namespace icao
