#include "lookup/find.h"

#include "lookup/data_file.h"

#include <algorithm>
#include <array>
#include <tuple>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace icao {
namespace {

bool isAsciiByte(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// Folded text splits into words at ASCII characters that are neither letters nor digits;
// letters beyond ASCII (Cyrillic, CJK, ...) stay inside words.
bool isWordByte(char c) {
    return !isAsciiByte(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= '0' && c <= '9');
}

// Calls visit with each word of text in turn until it yields true; yields whether it did.
template <class Visit> bool anyWord(std::string_view text, Visit visit) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !isWordByte(text[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && isWordByte(text[i])) {
            ++i;
        }
        if (i > start && visit(text.substr(start, i - start))) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    anyWord(text, [&words](std::string_view word) {
        words.emplace_back(word);
        return false;
    });
    return words;
}

struct FoldedQuery {
    std::string text;
    std::vector<std::string> words;
    // The longest word, or the whole text: every hit holds it somewhere.
    std::string mustHold;
};

FoldedQuery prepareQuery(const Text& query, TextFolder& folder) {
    FoldedQuery prepared;
    for (char c : folder.fold(query)) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!blank) {
            prepared.text.push_back(c);
        } else if (!prepared.text.empty() && prepared.text.back() != ' ') {
            prepared.text.push_back(' ');
        }
    }
    while (!prepared.text.empty() && prepared.text.back() == ' ') {
        prepared.text.pop_back();
    }
    prepared.words = wordsOf(prepared.text);
    prepared.mustHold = prepared.text;
    if (!prepared.words.empty()) {
        prepared.mustHold = *std::max_element(
            prepared.words.begin(), prepared.words.end(),
            [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    }
    return prepared;
}

// The fields find reads, as views into a whole item folded at once.
struct FoldedFields {
    std::string_view code;
    std::string_view name;
    std::string_view municipality;
    std::string_view country;
    std::string_view iata;
};

FoldedFields fieldsOf(std::string_view folded) {
    std::array<std::string_view, 6> fields{};
    std::size_t index = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < folded.size() && index < fields.size(); ++i) {
        if (folded[i] == '|') {
            fields[index++] = folded.substr(start, i - start);
            start = i + 1;
        }
    }
    if (index < fields.size()) {
        fields[index] = folded.substr(start);
    }
    return {fields[1], fields[2], fields[3], fields[4], fields[5]};
}

// Calls visit with each word of the name and then of the municipality until it yields true.
template <class Visit> bool anyPlaceWord(const FoldedFields& fields, Visit visit) {
    return anyWord(fields.name, visit) || anyWord(fields.municipality, visit);
}

// The ranks that the codes alone decide.
std::optional<FindRank> codeRankOf(std::string_view code, std::string_view iata,
                                   const FoldedQuery& query) {
    if (code == query.text) {
        return FindRank::IcaoCode;
    }
    if (!iata.empty() && iata == query.text) {
        return FindRank::IataCode;
    }
    if (code.starts_with(query.text)) {
        return FindRank::IcaoPrefix;
    }
    return std::nullopt;
}

std::optional<FindRank> rankOf(const FoldedFields& fields, const FoldedQuery& query) {
    if (const auto rank = codeRankOf(fields.code, fields.iata, query)) {
        return rank;
    }
    if (!query.words.empty()) {
        const auto everyWord = [&](auto matches) {
            return std::all_of(query.words.begin(), query.words.end(),
                               [&](const std::string& word) {
                                   return anyPlaceWord(fields, [&](std::string_view place) {
                                       return matches(place, word);
                                   });
                               });
        };
        if (everyWord(
                [](std::string_view place, std::string_view word) { return place == word; })) {
            return FindRank::WholeWords;
        }
        if (everyWord([](std::string_view place, std::string_view word) {
                return place.starts_with(word);
            })) {
            return FindRank::WordStarts;
        }
    }
    for (std::string_view field :
         {fields.code, fields.name, fields.municipality, fields.country, fields.iata}) {
        if (field.find(query.text) != std::string_view::npos) {
            return FindRank::Substring;
        }
    }
    return std::nullopt;
}

char lowerAsciiByte(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), isAsciiByte);
}

void lowerAscii(std::string_view bytes, std::string& out) {
    out.assign(bytes);
    for (char& c : out) {
        c = lowerAsciiByte(c);
    }
}

// Folds an item whole into out: an ASCII item by lowering its letters, any other through the
// folder, as UTF-8 or else decoded as Windows-1252.
void foldItem(std::string_view bytes, TextFolder& folder, std::string& out) {
    if (isAscii(bytes)) {
        lowerAscii(bytes, out);
    } else if (!folder.foldUtf8(bytes, out)) {
        out = folder.fold(decodeText(bytes));
    }
}

bool holdsAt(std::string_view bytes, std::size_t at, std::string_view needle) {
    for (std::size_t k = 0; k < needle.size(); ++k) {
        if (lowerAsciiByte(bytes[at + k]) != needle[k]) {
            return false;
        }
    }
    return true;
}

// False only when the item cannot hold the query: an ASCII item folds to ASCII by lowering
// its letters, so it is searched before any folding. Every hit holds query.mustHold, so this
// runs on every item; where the processor allows it looks for the needle's first two bytes at
// sixteen places a step.
bool mayHold(std::string_view bytes, const FoldedQuery& query) {
    const std::string& needle = query.mustHold;
    const bool needleAscii = std::all_of(needle.begin(), needle.end(), isAsciiByte);
    std::size_t i = 0;
#if defined(__SSE2__)
    if (needle.size() >= 2 && needleAscii) {
        // Setting bit 5 lowers ASCII letters; other bytes that then compare equal are
        // checked in full.
        const __m128i caseBit = _mm_set1_epi8(0x20);
        const __m128i first = _mm_set1_epi8(needle[0]);
        const __m128i second = _mm_set1_epi8(needle[1]);
        for (; i + 17 <= bytes.size(); i += 16) {
            const auto* p = reinterpret_cast<const __m128i*>(bytes.data() + i);
            const __m128i here = _mm_loadu_si128(p);
            const __m128i next =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i + 1));
            if (_mm_movemask_epi8(here)) {
                return true; // not ASCII: only folding can tell
            }
            auto candidates = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(here, caseBit), first),
                              _mm_cmpeq_epi8(_mm_or_si128(next, caseBit), second))));
            while (candidates) {
                const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(candidates));
                if (at + needle.size() <= bytes.size() && holdsAt(bytes, at, needle)) {
                    return true;
                }
                candidates &= candidates - 1;
            }
        }
        if (i > 0 && i < bytes.size()) {
            // The last bytes, in one step that overlaps what was looked at already.
            const std::size_t last = bytes.size() - 16;
            const __m128i tail =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + last));
            if (_mm_movemask_epi8(tail)) {
                return true;
            }
            for (std::size_t at = i - 1; at + needle.size() <= bytes.size(); ++at) {
                if (lowerAsciiByte(bytes[at]) == needle[0] && holdsAt(bytes, at, needle)) {
                    return true;
                }
            }
            return false;
        }
    }
#endif
    for (std::size_t k = i; k < bytes.size(); ++k) {
        if (!isAsciiByte(bytes[k])) {
            return true;
        }
    }
    if (!needleAscii) {
        return false;
    }
    for (; i + needle.size() <= bytes.size(); ++i) {
        if (holdsAt(bytes, i, needle)) {
            return true;
        }
    }
    return false;
}

// Keeps what the final list can show: every code hit, and the first `limit` of each rank.
class HitCollector {
  public:
    explicit HitCollector(std::size_t limit) : limit_(limit) {}

    // The first rank whose further hits can no longer be shown: the hits kept below the code
    // ranks fill the limit up to and including it. Past the last rank when none is full.
    std::size_t cutoff() const {
        std::size_t kept = 0;
        for (std::size_t rank = kFirstCutRank; rank < byRank_.size(); ++rank) {
            kept += byRank_[rank].size();
            if (kept >= limit_) {
                return rank;
            }
        }
        return byRank_.size();
    }

    // Whether a hit of this rank could still be shown.
    bool wants(FindRank rank) const {
        return isCodeRank(rank) || static_cast<std::size_t>(rank) < cutoff();
    }

    void add(FindRank rank, AirportRecord record) {
        byRank_[static_cast<std::size_t>(rank)].push_back({rank, std::move(record)});
    }

    // Code hits come first and all stay; the other ranks fill what the limit leaves.
    std::vector<FindHit> finish() {
        std::vector<FindHit> hits;
        for (auto& rank : byRank_) {
            for (FindHit& hit : rank) {
                if (isCodeRank(hit.rank) || hits.size() < limit_) {
                    hits.push_back(std::move(hit));
                }
            }
        }
        return hits;
    }

    static constexpr std::size_t kFirstCutRank = static_cast<std::size_t>(FindRank::IcaoPrefix);

  private:
    static bool isCodeRank(FindRank rank) {
        return rank == FindRank::IcaoCode || rank == FindRank::IataCode;
    }

    std::size_t limit_;
    std::array<std::vector<FindHit>, 6> byRank_;
};

// Edit distance, or bound + 1 once it is certain to exceed bound.
std::size_t boundedDistance(const Text& a, const Text& b, std::size_t bound) {
    if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > bound) {
        return bound + 1;
    }
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        std::size_t best = row[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] =
                std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[j]);
        }
        if (best > bound) {
            return bound + 1;
        }
    }
    return std::min(row[b.size()], bound + 1);
}

// Picks up to three records within a small edit distance of each query word: one edit for
// words of up to five characters, two beyond. Closest first, file order among equals.
class Suggester {
  public:
    explicit Suggester(const FoldedQuery& query) {
        for (const std::string& word :
             query.words.empty() ? std::vector{query.text} : query.words) {
            words_.push_back(decodeText(word));
        }
    }

    // record makes the record, which is only needed when it is among the closest.
    template <class MakeRecord> void consider(const FoldedFields& fields, MakeRecord record) {
        std::vector<Text> candidates{decodeText(fields.code)};
        anyPlaceWord(fields, [&candidates](std::string_view word) {
            candidates.push_back(decodeText(word));
            return false;
        });
        std::size_t total = 0;
        for (const Text& word : words_) {
            const std::size_t bound = word.size() <= 5 ? 1 : 2;
            std::size_t best = bound + 1;
            for (const Text& candidate : candidates) {
                best = std::min(best, boundedDistance(word, candidate, bound));
            }
            if (best > bound) {
                return;
            }
            total += best;
        }
        if (best_.size() == kSuggestions && best_.back().first <= total) {
            return;
        }
        const auto place =
            std::upper_bound(best_.begin(), best_.end(), total,
                             [](std::size_t d, const auto& entry) { return d < entry.first; });
        best_.insert(place, {total, record()});
        if (best_.size() > kSuggestions) {
            best_.pop_back();
        }
    }

    std::vector<AirportRecord> finish() {
        std::vector<AirportRecord> records;
        for (auto& entry : best_) {
            records.push_back(std::move(entry.second));
        }
        return records;
    }

  private:
    static constexpr std::size_t kSuggestions = 3;
    std::vector<Text> words_;
    std::vector<std::pair<std::size_t, AirportRecord>> best_;
};

// Calls visit with every item of the file and its line, in file order.
template <class Visit>
std::optional<FileError> forEachItem(const std::filesystem::path& dataFile, Visit visit) {
    auto file = DataFile::open(dataFile);
    if (!file) {
        return file.error();
    }
    while (const auto item = file->nextItem()) {
        visit(*item, file->line());
    }
    return file->error();
}

} // namespace

Expected<FindResult> findAirports(const Text& text, std::size_t limit,
                                  const std::filesystem::path& dataFile) {
    TextFolder folder;
    const FoldedQuery query = prepareQuery(text, folder);
    FindResult result;
    if (query.text.empty()) {
        return result;
    }
    HitCollector hits(limit);
    std::string folded;
    std::string foldedCode;
    std::string foldedIata;
    auto error = forEachItem(dataFile, [&](std::string_view item, std::size_t line) {
        if (!mayHold(item, query)) {
            return;
        }
        std::optional<FindRank> rank;
        const bool codesOnly = hits.cutoff() <= static_cast<std::size_t>(FindRank::WholeWords);
        const FoldedFields raw = codesOnly ? fieldsOf(item) : FoldedFields{};
        if (codesOnly && isAscii(raw.code) && isAscii(raw.iata)) {
            // Once word hits fill the list, only the codes can still bring a hit to it; ASCII
            // codes fold by lowering, whatever the rest of the item holds.
            lowerAscii(raw.code, foldedCode);
            lowerAscii(raw.iata, foldedIata);
            rank = codeRankOf(foldedCode, foldedIata, query);
        } else {
            foldItem(item, folder, folded);
            if (folded.find(query.mustHold) == std::string::npos) {
                return;
            }
            rank = rankOf(fieldsOf(folded), query);
        }
        if (rank && hits.wants(*rank)) {
            hits.add(*rank, AirportRecord::fromItem(decodeText(item), line));
        }
    });
    if (error) {
        return *error;
    }
    result.hits = hits.finish();
    if (result.hits.empty()) {
        Suggester suggester(query);
        error = forEachItem(dataFile, [&](std::string_view item, std::size_t line) {
            foldItem(item, folder, folded);
            suggester.consider(fieldsOf(folded),
                               [&] { return AirportRecord::fromItem(decodeText(item), line); });
        });
        if (error) {
            return *error;
        }
        result.suggestions = suggester.finish();
    }
    return result;
}

struct AirportIndex::Records {
    struct Entry {
        std::string folded;
        AirportRecord record;
    };
    TextFolder folder;
    std::vector<Entry> entries;
};

AirportIndex::AirportIndex(std::unique_ptr<Records> records) : records_(std::move(records)) {}
AirportIndex::AirportIndex(AirportIndex&&) noexcept = default;
AirportIndex& AirportIndex::operator=(AirportIndex&&) noexcept = default;
AirportIndex::~AirportIndex() = default;

Expected<AirportIndex> AirportIndex::load(const std::filesystem::path& dataFile) {
    auto records = std::make_unique<Records>();
    const auto error = forEachItem(dataFile, [&records](std::string_view item, std::size_t line) {
        Records::Entry entry{{}, AirportRecord::fromItem(decodeText(item), line)};
        foldItem(item, records->folder, entry.folded);
        records->entries.push_back(std::move(entry));
    });
    if (error) {
        return *error;
    }
    return AirportIndex(std::move(records));
}

FindResult AirportIndex::find(const Text& text, std::size_t limit) {
    const FoldedQuery query = prepareQuery(text, records_->folder);
    FindResult result;
    if (query.text.empty()) {
        return result;
    }
    HitCollector hits(limit);
    for (const Records::Entry& entry : records_->entries) {
        const auto rank = rankOf(fieldsOf(entry.folded), query);
        if (rank && hits.wants(*rank)) {
            hits.add(*rank, entry.record);
        }
    }
    result.hits = hits.finish();
    if (result.hits.empty()) {
        Suggester suggester(query);
        for (const Records::Entry& entry : records_->entries) {
            suggester.consider(fieldsOf(entry.folded), [&entry] { return entry.record; });
        }
        result.suggestions = suggester.finish();
    }
    return result;
}

} // namespace icao
