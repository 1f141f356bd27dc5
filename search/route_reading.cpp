// SPDX-License-Identifier: MIT
#include "search/route_reading.h"

#include "lookup/key_filter.h"
#include "platform/ascii.h"
#include "records/geo.h"
#include "search/airports_by_code.h"
#include "search/flight_plan_words.h"
#include "search/folding.h"
#include "search/metropolitan_codes.h"
#include "search/name_spellings.h"
#include "search/place_qualifier.h"
#include "search/query_words.h"
#include "search/standing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <utility>

namespace icao {
namespace {

// What joins a run of words to the one before.
// A comma may qualify the name before it ("Columbus, GA").
enum class Joiner { Other, To, Via, Comma };

// The word splitText gives for a comma, a hard separator that may qualify a name.
constexpr std::string_view kComma = ",";

// The words of a route, in runs that a name never crosses, each with what joins it to the one
// before.
struct RouteWords {
    std::vector<std::vector<std::string>> runs;
    std::vector<Joiner> joiners;
    // Whether a separator follows the last word, so that it is typed whole.
    bool ended = true;
    std::size_t count = 0;
};

bool isWord(std::string_view word, std::string_view wanted) {
    return std::equal(word.begin(), word.end(), wanted.begin(), wanted.end(),
                      [](char a, char b) { return lowerAscii(a) == b; });
}

// A word as a code is typed, in either case: three or four letters or digits.
bool isCodeLike(std::string_view word) {
    return (word.size() == 3 || word.size() == 4) &&
           std::all_of(word.begin(), word.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
           });
}

// A code typed in capitals, as flight plans write them.
bool isCapitalCode(std::string_view word) {
    return isCodeLike(word) &&
           std::none_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The words and the hard separators of a text, in order: a hard separator is an empty word.
struct Split {
    std::vector<std::string> words;
    bool ended = true;
};

Split splitText(std::string_view text) {
    // Spaces and dashes part words; the rest part runs too. Marks that only steer how text is
    // laid out (byte-order marks, bidirectional controls) are no part of any word.
    constexpr std::array<std::string_view, 3> kWideSoft = {"\u2013", "\u2014", "\u2012"};
    constexpr std::array<std::string_view, 2> kWideHard = {"\u2192", "\u21D2"};
    constexpr std::array<std::string_view, 13> kUnseen = {
        "\uFEFF", "\u200E", "\u200F", "\u061C", "\u202A", "\u202B", "\u202C",
        "\u202D", "\u202E", "\u2066", "\u2067", "\u2068", "\u2069"};
    Split split;
    std::string word;
    const auto hard = [&] { split.words.emplace_back(); };
    const auto endWord = [&] {
        // Codes apart by slashes ("LFPG/EDDF") are stops apart; a name keeps its slash
        // ("Mende/Brénoux").
        std::vector<std::string_view> parts;
        for (std::size_t from = 0; from <= word.size();) {
            const std::size_t slash = std::min(word.find('/', from), word.size());
            parts.push_back(std::string_view(word).substr(from, slash - from));
            from = slash + 1;
        }
        if (parts.size() > 1 && std::all_of(parts.begin(), parts.end(), isCodeLike)) {
            for (std::size_t i = 0; i < parts.size(); ++i) {
                if (i > 0) {
                    hard();
                }
                split.words.emplace_back(parts[i]);
            }
        } else if (!word.empty()) {
            split.words.push_back(std::move(word));
        }
        word.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        const auto startsWithAny = [&rest](const auto& marks) {
            return std::find_if(marks.begin(), marks.end(),
                                [&rest](std::string_view mark) { return rest.starts_with(mark); });
        };
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '-' || c == '\n' || c == '\r') {
            endWord();
        } else if (c == ',') {
            endWord();
            split.words.emplace_back(kComma);
        } else if (c == ';' || c == '>') {
            endWord();
            hard();
        } else if (const auto soft = startsWithAny(kWideSoft); soft != kWideSoft.end()) {
            endWord();
            i += soft->size() - 1;
        } else if (const auto arrow = startsWithAny(kWideHard); arrow != kWideHard.end()) {
            endWord();
            hard();
            i += arrow->size() - 1;
        } else if (const auto unseen = startsWithAny(kUnseen); unseen != kUnseen.end()) {
            i += unseen->size() - 1;
            continue;
        } else {
            word += c;
            split.ended = false;
            continue;
        }
        split.ended = true;
    }
    endWord();
    return split;
}

RouteWords wordsOf(std::string_view text) {
    const Split split = splitText(text);
    const auto& all = split.words;
    RouteWords words;
    words.ended = split.ended;
    words.runs.emplace_back();
    words.joiners.push_back(Joiner::Other);
    // "to" or "via" says what the next run is; a comma or an arrow alone says nothing.
    const auto endRun = [&words](Joiner joiner) {
        if (!words.runs.back().empty()) {
            words.runs.emplace_back();
            words.joiners.push_back(joiner);
        } else if (joiner != Joiner::Other) {
            words.joiners.back() = joiner;
        }
    };
    const auto isSeparator = [](const std::string& word) { return word.empty() || word == kComma; };
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string& word = all[i];
        const bool before = i > 0 && !isSeparator(all[i - 1]);
        const bool after = i + 1 < all.size() && !isSeparator(all[i + 1]);
        // "VIA" in capitals among codes in capitals, or with no stop to join on a side, is the
        // IATA code of Videira; otherwise "via", like "to", joins two stops.
        const bool videira = word == "VIA" && (!before || isCapitalCode(all[i - 1])) &&
                             (!after || isCapitalCode(all[i + 1]));
        // "from" begins a route. The words of a flight plan stay, to be told as passed over,
        // but no name spans them.
        if (isWord(word, "to")) {
            endRun(Joiner::To);
        } else if (isWord(word, "via") && !videira) {
            endRun(Joiner::Via);
        } else if (word == kComma) {
            if (!words.runs.back().empty()) {
                endRun(Joiner::Comma);
            }
        } else if (word.empty() || isWord(word, "from")) {
            endRun(Joiner::Other);
        } else {
            words.runs.back().push_back(word);
            ++words.count;
        }
    }
    if (words.runs.back().empty()) {
        words.runs.pop_back();
        words.joiners.pop_back();
    }
    return words;
}

std::string joined(const std::vector<std::string>& words, std::size_t from, std::size_t count) {
    std::string text;
    for (std::size_t i = from; i < from + count; ++i) {
        text.append(i == from ? "" : " ").append(words[i]);
    }
    return text;
}

bool isStrong(FindRank rank) {
    return rank == FindRank::IcaoCode || rank == FindRank::IataCode || rank == FindRank::WholeWords;
}

// Whether the field holds each of the words whole, letter case and accents aside, as find's
// whole-word rank reads them.
bool holdsWords(TextFolder& folder, const std::string& field, const std::string& words) {
    const std::string folded = folder.fold(decodeText(field));
    const std::string wanted = folder.fold(decodeText(words));
    bool any = false;
    const bool missing = anyWord(wanted, [&](std::string_view word) {
        any = true;
        return !holdsWord(folded, word, WordMatch::Whole);
    });
    return any && !missing;
}

// Reads the runs of words that are not codes, asking names once for each span.
class NameReader {
  public:
    explicit NameReader(const NameFinder& names) : names_(names) {}

    const FindResult& find(const std::string& text) {
        auto found = asked_.find(text);
        if (found == asked_.end()) {
            found = asked_.emplace(text, names_.find(decodeText(text), kStopCandidates + 1)).first;
        }
        return found->second;
    }

    // The span's strong hits, with those of its other spellings ("st johns" is also St.
    // John's, "st paul" Saint Paul), each airfield once, in find's order.
    const FindResult& findStrong(const std::string& span, std::size_t limit = kStopCandidates + 1) {
        const std::string key = span + '\n' + std::to_string(limit);
        auto found = strong_.find(key);
        if (found != strong_.end()) {
            return found->second;
        }
        FindResult result = names_.findStrong(decodeText(span), limit);
        const std::vector<std::string> spellings = otherSpellings(span);
        for (const std::string& spelling : spellings) {
            FindResult more = names_.findStrong(decodeText(spelling), limit);
            for (FindHit& hit : more.hits) {
                const bool known = std::any_of(
                    result.hits.begin(), result.hits.end(),
                    [&hit](const FindHit& other) { return other.item.line == hit.item.line; });
                if (!known) {
                    result.hits.push_back(std::move(hit));
                }
            }
        }
        if (!spellings.empty()) {
            std::stable_sort(
                result.hits.begin(), result.hits.end(), [](const FindHit& a, const FindHit& b) {
                    return a.rank != b.rank ? a.rank < b.rank : a.standing < b.standing;
                });
        }
        return strong_.emplace(key, std::move(result)).first->second;
    }

    // Of a word typed in small letters that is an airfield's code, the stop its name reads
    // instead, where that is the likelier: a larger airfield, or one as large in a place of that
    // word where the code's is not ("kona" is Kona's airport, not the field that holds KONA).
    std::optional<RouteStop> nameOverCode(const std::string& word, const AirportRecord& byCode) {
        if (!hasSmallLetter(word)) {
            return std::nullopt;
        }
        for (const FindHit& hit : findStrong(word).hits) {
            if (hit.rank != FindRank::WholeWords) {
                continue;
            }
            AirportRecord named = hit.item.record();
            if (named.code == byCode.code) {
                return std::nullopt;
            }
            const AirfieldKind codeKind = byCode.kind();
            const bool larger = hit.standing.kind < codeKind;
            const bool asLarge = hit.standing.kind == codeKind &&
                                 holdsWords(folder_, named.municipality, word) &&
                                 !holdsWords(folder_, byCode.municipality, word);
            if (!larger && !asLarge) {
                return std::nullopt;
            }
            return RouteStop{word, StopRead::Name, std::move(named), {byCode}};
        }
        return std::nullopt;
    }

    // The stop a name qualified by the words after a comma reads: the first of its strong hits
    // in that state, province or country.
    std::optional<RouteStop> qualified(const std::string& span, const std::string& qualifier) {
        constexpr std::size_t kQualifiedHits = 64;
        for (const FindHit& hit : findStrong(span, kQualifiedHits).hits) {
            AirportRecord record = hit.item.record();
            if (qualifiesPlace(record, qualifier, folder_)) {
                return RouteStop{span + ", " + qualifier, StopRead::Name, std::move(record), {}};
            }
        }
        return std::nullopt;
    }

    // The span's stop, where its best hit reads it strongly, and where that airfield stands.
    std::optional<std::pair<RouteStop, Standing>> stopOf(const std::string& span) {
        const FindResult& result = findStrong(span);
        if (result.hits.empty() || !isStrong(result.hits.front().rank)) {
            return std::nullopt;
        }
        const FindHit& best = result.hits.front();
        if (best.rank == FindRank::IataCode) {
            if (auto named = nameOverCode(span, best.item.record())) {
                const auto& hits = result.hits;
                const Standing standing =
                    std::find_if(hits.begin(), hits.end(), [&named](const FindHit& hit) {
                        return hit.item.line == named->airport->line;
                    })->standing;
                return std::pair(std::move(*named), standing);
            }
        }
        RouteStop stop{span,
                       best.rank == FindRank::IcaoCode   ? StopRead::IcaoCode
                       : best.rank == FindRank::IataCode ? StopRead::IataCode
                                                         : StopRead::Name,
                       best.item.record(),
                       {}};
        for (std::size_t i = 1; i < result.hits.size() && i <= kStopCandidates; ++i) {
            stop.candidates.push_back(result.hits[i].item.record());
        }
        // A name of airfields in two places alike, of one kind and near one prominence.
        if (result.hits.size() > 1 && stop.read == StopRead::Name) {
            const FindHit& next = result.hits[1];
            const AirportRecord& other = stop.candidates.front();
            stop.doubtful = next.rank == best.rank && next.standing.kind == best.standing.kind &&
                            next.standing.prominence * 10 >= best.standing.prominence * 9 &&
                            (other.country != stop.airport->country ||
                             folder_.fold(decodeText(other.municipality)) !=
                                 folder_.fold(decodeText(stop.airport->municipality)));
        }
        return std::pair(std::move(stop), best.standing);
    }

    // Whether a longer span from the same word may still read strongly: not once no hit is
    // better than a word's start, as each word of a whole-word match is one of the shorter.
    bool mayGrow(const std::string& span) {
        const FindResult& result = findStrong(span);
        return !result.hits.empty() && result.hits.front().rank < FindRank::WordStarts;
    }

    RouteStop unread(const std::string& given) {
        RouteStop stop{given, StopRead::Unread, std::nullopt, {}};
        if (unreadStops_++ >= kStopsWithCandidates) {
            return stop;
        }
        const FindResult& result = find(given);
        for (std::size_t i = 0; i < result.hits.size() && i < kStopCandidates; ++i) {
            stop.candidates.push_back(result.hits[i].item.record());
        }
        for (std::size_t i = 0;
             i < result.suggestions.size() && stop.candidates.size() < kStopCandidates; ++i) {
            stop.candidates.push_back(result.suggestions[i]);
        }
        return stop;
    }

    // The last stop unread, read again without its last word.
    RouteStop readAgain(const std::string& given) {
        --unreadStops_;
        return unread(given);
    }

    // The run split into the fewest spans each read strongly, words that none reads left as
    // few stops unread as may be; of two splits alike, the one whose airfields are the larger,
    // then the more prominent ("san francisco" and "los angeles" rather than a small field in
    // San Francisco named "los" and "angeles"), then the one with the longer first names.
    std::vector<RouteStop> read(const std::vector<std::string>& words) {
        const std::size_t n = words.size();
        // From each word on: the words unread, the stops, the kinds summed (larger first) and
        // the prominence given up, each the fewer the better; and the span taken from it (0
        // for the word unread).
        using Cost = std::array<std::uint64_t, 4>;
        std::vector<Cost> cost(n + 1, Cost{});
        std::vector<std::size_t> taken(n, 0);
        std::vector<std::vector<std::optional<std::pair<RouteStop, Standing>>>> spans(n);
        for (std::size_t i = n; i-- > 0;) {
            if (names_.abandoned()) {
                return {};
            }
            for (std::size_t length = 1; length <= std::min(kLongestName, n - i); ++length) {
                const std::string span = joined(words, i, length);
                spans[i].push_back(stopOf(span));
                if (!mayGrow(span)) {
                    break;
                }
            }
            cost[i] = cost[i + 1];
            cost[i][0] += 1;
            cost[i][1] += 1;
            for (std::size_t length = spans[i].size(); length > 0; --length) {
                const auto& span = spans[i][length - 1];
                if (!span) {
                    continue;
                }
                Cost through = cost[i + length];
                through[1] += 1;
                through[2] += static_cast<std::uint64_t>(span->second.kind);
                through[3] += kMaxProminence - span->second.prominence;
                if (through < cost[i]) {
                    cost[i] = through;
                    taken[i] = length;
                }
            }
        }
        std::vector<RouteStop> stops;
        for (std::size_t i = 0; i < n;) {
            if (taken[i] > 0) {
                stops.push_back(std::move(spans[i][taken[i] - 1]->first));
                i += taken[i];
                continue;
            }
            std::size_t end = i + 1;
            while (end < n && taken[end] == 0) {
                ++end;
            }
            stops.push_back(unread(joined(words, i, end - i)));
            i = end;
        }
        return stops;
    }

  private:
    static bool hasSmallLetter(std::string_view word) {
        return std::any_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    }

    const NameFinder& names_;
    TextFolder folder_;
    std::map<std::string, FindResult> asked_;
    std::map<std::string, FindResult> strong_;
    std::size_t unreadStops_ = 0;
};

// A name followed by a code of the same airfield ("frankfurt FRA"), or a code followed by its
// name, is one stop, read as the code; only within a run of words.
void joinNamesWithTheirCodes(std::vector<RouteStop>& stops, std::vector<std::size_t>& firstStops) {
    const auto isCode = [](const RouteStop& stop) {
        return stop.read == StopRead::IcaoCode || stop.read == StopRead::IataCode ||
               stop.read == StopRead::FormerCode || stop.read == StopRead::MetropolitanCode;
    };
    for (std::size_t i = 0; i + 1 < stops.size();) {
        RouteStop& first = stops[i];
        const RouteStop& second = stops[i + 1];
        const bool sameRun =
            std::find(firstStops.begin(), firstStops.end(), i + 1) == firstStops.end();
        const bool named = (first.read == StopRead::Name && isCode(second)) ||
                           (isCode(first) && second.read == StopRead::Name);
        if (!sameRun || !named || !first.airport || !second.airport ||
            first.airport->code != second.airport->code) {
            ++i;
            continue;
        }
        std::string given = first.given + " " + second.given;
        std::vector<SkippedWord> skippedBefore = std::move(first.skippedBefore);
        RouteStop joined = isCode(first) ? std::move(first) : RouteStop(second);
        joined.given = std::move(given);
        joined.skippedBefore = std::move(skippedBefore);
        joined.candidates.clear();
        stops[i] = std::move(joined);
        stops.erase(stops.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        for (std::size_t& start : firstStops) {
            start -= start > i ? 1 : 0;
        }
    }
}

// "A to B via C" is flown A C B: the stops of a run after "via" go before those of the run
// that "to" brought last, in the order the vias come; "A via C to B" is A C B as it stands.
std::vector<RouteStop> throughVias(std::vector<RouteStop> stops,
                                   const std::vector<std::size_t>& firstStops,
                                   const std::vector<Joiner>& joiners) {
    std::vector<RouteStop> flown;
    std::optional<std::size_t> insertAt;
    for (std::size_t run = 0; run < firstStops.size(); ++run) {
        // The last run may have lost a stop still being typed.
        const std::size_t first = std::min(firstStops[run], stops.size());
        const std::size_t end = run + 1 < firstStops.size()
                                    ? std::min(firstStops[run + 1], stops.size())
                                    : stops.size();
        auto begin = std::make_move_iterator(stops.begin() + static_cast<std::ptrdiff_t>(first));
        auto last = std::make_move_iterator(stops.begin() + static_cast<std::ptrdiff_t>(end));
        if (joiners[run] == Joiner::Via && insertAt) {
            flown.insert(flown.begin() + static_cast<std::ptrdiff_t>(*insertAt), begin, last);
            *insertAt += end - first;
            continue;
        }
        insertAt = joiners[run] == Joiner::To ? std::optional(flown.size()) : std::nullopt;
        flown.insert(flown.end(), begin, last);
    }
    return flown;
}

// An ident of one to three capitals or digits, as navaids have.
bool mayBeNavaidIdent(std::string_view word) {
    return !word.empty() && word.size() <= 3 && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

// Each navaid's stop, its aids of the ident still among its candidates, takes the aid nearest
// the stop before, or for the first stop the one after: one ident names aids the world over.
void chooseNavaids(std::vector<RouteStop>& stops) {
    const auto placeAt = [&stops](std::size_t at) {
        const RouteStop& stop = stops[at];
        return stop.airport ? stop.airport->place() : std::nullopt;
    };
    for (std::size_t i = 0; i < stops.size(); ++i) {
        RouteStop& stop = stops[i];
        if (stop.read != StopRead::Navaid || stop.airport || stop.candidates.empty()) {
            continue;
        }
        std::optional<Place> near = i > 0 ? placeAt(i - 1) : std::nullopt;
        for (std::size_t after = i + 1; !near && after < stops.size(); ++after) {
            if (stops[after].read != StopRead::Navaid) {
                near = placeAt(after);
            }
        }
        auto& aids = stop.candidates;
        if (near) {
            const auto distance = [&near](const AirportRecord& aid) {
                const auto place = aid.place();
                return place ? distanceKm(*near, *place) : kEarthRadiusKm * 4;
            };
            std::stable_sort(aids.begin(), aids.end(),
                             [&distance](const AirportRecord& a, const AirportRecord& b) {
                                 return distance(a) < distance(b);
                             });
        }
        stop.airport = std::move(aids.front());
        aids.erase(aids.begin());
        aids.resize(std::min(aids.size(), kStopCandidates));
    }
}

// Where a name means airfields of several towns of that name, the one the stops beside it make
// plain: "hamilton to auckland" is Hamilton, New Zealand, though Bermuda's Hamilton stands
// first alone. Only a town three times nearer the stops beside it is taken.
void nearTheOtherStops(std::vector<RouteStop>& stops) {
    TextFolder folder;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        RouteStop& stop = stops[i];
        if (stop.read != StopRead::Name || !stop.airport || stop.candidates.empty()) {
            continue;
        }
        std::vector<Place> beside;
        for (const std::size_t other : {i - 1, i + 1}) {
            if (other < stops.size() && stops[other].airport) {
                if (const auto place = stops[other].airport->place()) {
                    beside.push_back(*place);
                }
            }
        }
        const auto apart = [&beside](const AirportRecord& record) {
            const auto place = record.place();
            double nearest = kEarthRadiusKm * 4;
            for (const Place& other : beside) {
                nearest = place ? std::min(nearest, distanceKm(*place, other)) : nearest;
            }
            return nearest;
        };
        if (!holdsWords(folder, stop.airport->municipality, stop.given)) {
            continue;
        }
        double best = apart(*stop.airport);
        std::optional<std::size_t> chosen;
        for (std::size_t c = 0; c < stop.candidates.size(); ++c) {
            const double distance = apart(stop.candidates[c]);
            if (distance * 3 < best &&
                holdsWords(folder, stop.candidates[c].municipality, stop.given)) {
                best = distance;
                chosen = c;
            }
        }
        // A doubt the stops beside resolve: the other town lies three times as far from them.
        if (!beside.empty() && apart(stop.candidates.front()) > 3 * best) {
            stop.doubtful = false;
        }
        if (chosen) {
            stop.doubtful = false;
            std::swap(*stop.airport, stop.candidates[*chosen]);
            std::rotate(stop.candidates.begin(), stop.candidates.begin() + *chosen,
                        stop.candidates.begin() + *chosen + 1);
        }
    }
}

} // namespace

NameFinder namesIn(AirportIndex& index) {
    return {
        [&index](const Text& text, std::size_t limit) { return index.find(text, limit); },
        [&index](const Text& text, std::size_t limit) { return index.findStrong(text, limit); }};
}

Expected<RouteReading> readRoute(std::string_view text, const RecordSource& source,
                                 const NameFinder& names, bool lastWordDone) {
    const RouteWords words = wordsOf(text);
    std::vector<Text> codes;
    // A metropolitan code's city, by the word's place among the words, and where its airports'
    // codes stand among those looked up, after the words' own.
    struct CityAt {
        MetropolitanCode city;
        std::size_t firstAirport = 0;
    };
    std::map<std::size_t, CityAt> cities;
    for (const auto& run : words.runs) {
        for (const std::string& word : run) {
            // As the code lookup reads a key typed into the input box.
            codes.push_back(filterTypedText(decodeText(word)));
            if (const auto city = metropolitanCodeOf(word)) {
                cities.emplace(codes.size() - 1, CityAt{*city});
            }
        }
    }
    const std::size_t wordCodes = codes.size();
    for (auto& [word, at] : cities) {
        at.firstAirport = codes.size();
        for (const std::string_view airport : at.city.airports) {
            codes.push_back(decodeText(airport));
        }
    }
    auto airports = airportsByCode(codes, source);
    if (!airports) {
        return airports.error();
    }
    RouteReading reading;
    reading.words = words.count;
    // A word of a flight plan's shape, not an airfield's code, makes the text a flight plan.
    bool flightPlan = false;
    for (std::size_t at = 0, run = 0; run < words.runs.size() && at < wordCodes; ++run) {
        for (const std::string& word : words.runs[run]) {
            flightPlan = flightPlan || (!(*airports)[at] && marksFlightPlan(planWordOf(word)));
            ++at;
        }
    }
    NameReader reader(names);
    std::size_t at = 0;
    // Where each run's stops begin.
    std::vector<std::size_t> firstStops;
    std::vector<SkippedWord> skipped;
    const auto addStop = [&](RouteStop stop) {
        stop.skippedBefore = std::exchange(skipped, {});
        reading.stops.push_back(std::move(stop));
    };
    for (std::size_t runAt = 0; runAt < words.runs.size(); ++runAt) {
        const auto& run = words.runs[runAt];
        // Words after a comma that qualify the name before it ("Columbus, GA") choose among the
        // airfields it names, and are no stop.
        if (words.joiners[runAt] == Joiner::Comma && !reading.stops.empty() &&
            reading.stops.back().read == StopRead::Name) {
            std::string qualifier = joined(run, 0, run.size());
            RouteStop& named = reading.stops.back();
            if (auto chosen = reader.qualified(named.given, qualifier)) {
                chosen->skippedBefore = std::move(named.skippedBefore);
                named = std::move(*chosen);
                at += run.size();
                firstStops.push_back(reading.stops.size());
                continue;
            }
        }
        firstStops.push_back(reading.stops.size());
        // Between the codes, the words that name airfields.
        std::vector<std::string> named;
        const auto readNamed = [&] {
            for (RouteStop& stop : reader.read(named)) {
                addStop(std::move(stop));
            }
            named.clear();
        };
        for (const std::string& word : run) {
            auto& airport = (*airports)[at++];
            const PlanWord plan = planWordOf(word);
            const auto city = cities.find(at - 1);
            if (airport) {
                readNamed();
                if (auto byName = reader.nameOverCode(word, *airport)) {
                    addStop(std::move(*byName));
                    continue;
                }
                const bool current = airport->code == toUtf8(codes[at - 1]);
                addStop({word,
                         current ? StopRead::IcaoCode : StopRead::FormerCode,
                         std::move(airport),
                         {}});
            } else if (city != cities.end()) {
                readNamed();
                RouteStop stop{word, StopRead::MetropolitanCode, std::nullopt, {}};
                for (std::size_t i = 0; i < city->second.city.airports.size(); ++i) {
                    auto& cityAirport = (*airports)[city->second.firstAirport + i];
                    if (cityAirport && stop.airport) {
                        stop.candidates.push_back(std::move(*cityAirport));
                    } else if (cityAirport) {
                        stop.airport = std::move(cityAirport);
                    }
                }
                stop.read = stop.airport ? StopRead::MetropolitanCode : StopRead::Unread;
                addStop(std::move(stop));
            } else if (plan == PlanWord::Direct ||
                       (flightPlan && plan != PlanWord::Other && plan != PlanWord::Coordinates)) {
                readNamed();
                skipped.push_back({word, plan});
            } else if (flightPlan && plan == PlanWord::Coordinates) {
                readNamed();
                addStop({word,
                         StopRead::Point,
                         recordOfPoint(word, *placeOfPlanCoordinates(word)),
                         {}});
            } else if (auto aids = flightPlan && mayBeNavaidIdent(word) ? names.navaids(word)
                                                                        : std::vector<Navaid>{};
                       !aids.empty()) {
                readNamed();
                RouteStop stop{word, StopRead::Navaid, std::nullopt, {}};
                for (const Navaid& aid : aids) {
                    stop.candidates.push_back(recordOfNavaid(aid));
                }
                addStop(std::move(stop));
            } else {
                named.push_back(word);
            }
        }
        readNamed();
    }
    reading.skippedAfter = std::move(skipped);
    // The word still being typed waits until it reads as something.
    if (!lastWordDone && !words.ended && !reading.stops.empty() &&
        reading.stops.back().read == StopRead::Unread) {
        RouteStop& last = reading.stops.back();
        const std::size_t space = last.given.rfind(' ');
        std::vector<SkippedWord> skippedBefore = std::move(last.skippedBefore);
        if (space == std::string::npos) {
            reading.pending = std::move(last.given);
            reading.stops.pop_back();
            skippedBefore.insert(skippedBefore.end(), reading.skippedAfter.begin(),
                                 reading.skippedAfter.end());
            reading.skippedAfter = std::move(skippedBefore);
        } else {
            reading.pending = last.given.substr(space + 1);
            last = reader.readAgain(last.given.substr(0, space));
            last.skippedBefore = std::move(skippedBefore);
        }
    }
    joinNamesWithTheirCodes(reading.stops, firstStops);
    reading.stops = throughVias(std::move(reading.stops), firstStops, words.joiners);
    chooseNavaids(reading.stops);
    nearTheOtherStops(reading.stops);
    return reading;
}

std::size_t countRouteWords(std::string_view text) {
    return wordsOf(text).count;
}

Expected<RouteReading> readCodes(const std::vector<Text>& codes, const RecordSource& source) {
    auto airports = airportsByCode(codes, source);
    if (!airports) {
        return airports.error();
    }
    RouteReading reading;
    reading.words = codes.size();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        auto& airport = (*airports)[i];
        const StopRead read = !airport                            ? StopRead::Unread
                              : airport->code == toUtf8(codes[i]) ? StopRead::IcaoCode
                                                                  : StopRead::FormerCode;
        reading.stops.push_back({toUtf8(codes[i]), read, std::move(airport), {}});
    }
    return reading;
}

Route routeThrough(const RouteReading& reading) {
    Route route;
    std::vector<Place> places;
    for (std::size_t i = 0; i < reading.stops.size(); ++i) {
        const auto& airport = reading.stops[i].airport;
        if (const auto place = airport ? airport->place() : std::nullopt) {
            places.push_back(*place);
        } else {
            route.unknown.push_back(i);
        }
    }
    if (!route.unknown.empty()) {
        return route;
    }
    for (std::size_t i = 0; i + 1 < places.size(); ++i) {
        const double distance = distanceKm(places[i], places[i + 1]);
        route.legs.push_back({*reading.stops[i].airport, *reading.stops[i + 1].airport, distance,
                              initialCourse(places[i], places[i + 1]),
                              kindOf(reading.stops[i].read), kindOf(reading.stops[i + 1].read)});
        route.totalKm += distance;
    }
    return route;
}

ReadAs readAs(StopRead read) {
    switch (read) {
    case StopRead::IcaoCode:
        return {"icao_code", "code"};
    case StopRead::FormerCode:
        return {"former_code", "former code"};
    case StopRead::IataCode:
        return {"iata_code", "IATA code"};
    case StopRead::Name:
        return {"name", "name"};
    case StopRead::Navaid:
        return {"navaid", "navaid"};
    case StopRead::Point:
        return {"point", "point"};
    case StopRead::MetropolitanCode:
        return {"metropolitan_code", "metropolitan code"};
    case StopRead::Unread:
        break;
    }
    return {"unread", "unread"};
}

} // namespace icao
