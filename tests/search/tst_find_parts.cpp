// SPDX-License-Identifier: MIT
#include "search/chunk_pipeline.h"
#include "search/edit_distance.h"
#include "search/folding.h"
#include "search/hit_collector.h"
#include "search/letter_pairs.h"
#include "search/near_word_filter.h"
#include "support/fixtures.h"

#include <QTest>
#include <algorithm>
#include <cctype>
#include <random>
#include <vector>

namespace {

// The plain dynamic programme over characters, to hold the fast distance against.
// The plain table over characters, swaps of neighbours counting one, to hold the fast
// distance against.
std::size_t plainDistance(const icao::Text& a, const icao::Text& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        for (std::size_t j = 0; j <= b.size(); ++j) {
            d[i][j] = i == 0 || j == 0 ? i + j
                                       : std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                                   d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

} // namespace

class FindPartsTest : public QObject {
    Q_OBJECT

  private slots:
    // Beyond the ASCII words held against the plain distance below: characters beyond ASCII
    // count once each, and words longer than a machine word.
    void distanceCountsCharacters() {
        const struct {
            QString word;
            QString other;
            std::size_t bound;
            std::size_t distance;
        } cases[] = {{"zürich", "zurich", 2, 1},
                     {"zürcih", "zurich", 2, 2},
                     {"москва", "мсоква", 1, 1},
                     {"moskva", "москва", 2, 3},
                     {QString(70, 'a'), QString(69, 'a') + "b", 2, 1}};
        for (const auto& [word, other, bound, distance] : cases) {
            icao::WordDistance fast(word.toStdString());
            QCOMPARE(fast.to(other.toStdString(), bound), distance);
        }
    }

    // Words of few letters, so that matches and swaps abound; with a letter beyond ASCII in
    // one word of five, which takes the character-by-character path.
    void fastDistanceAgreesWithPlainOne() {
        std::mt19937 random(7);
        const auto word = [&random] {
            std::string letters;
            for (std::size_t i = 0, size = 1 + random() % 12; i < size; ++i) {
                letters += random() % 40 == 0 ? "\xC3\xA9" : std::string(1, "abcd"[random() % 4]);
            }
            return letters;
        };
        for (int round = 0; round < 5000; ++round) {
            const std::string a = word();
            const std::string b = word();
            const std::size_t bound = random() % 4;
            icao::WordDistance fast(a);
            const std::size_t plain =
                std::min(plainDistance(icao::decodeText(a), icao::decodeText(b)), bound + 1);
            QVERIFY2(fast.to(b, bound) == plain, (a + " to " + b).c_str());
        }
    }

    // Words a few random edits away from the query word, set at random places in texts of every
    // length around the sixteen- and thirty-two-byte steps, in random case: the filter must
    // never turn one away, and must turn away texts of unrelated letters.
    void nearWordFilterKeepsEveryNearWord() {
        std::mt19937 random(11);
        const std::string letters = "abcdefgh";
        const auto letter = [&] { return letters[random() % letters.size()]; };
        for (int round = 0; round < 3000; ++round) {
            std::string word(2 + random() % 10, 'a');
            std::generate(word.begin(), word.end(), letter);
            const std::size_t bound = 1 + random() % 2;
            std::string near = word;
            for (std::size_t edit = 0; edit < bound && !near.empty(); ++edit) {
                const std::size_t at = random() % near.size();
                switch (random() % 4) {
                case 0:
                    near[at] = letter();
                    break;
                case 1:
                    std::swap(near[at], near[at + 1 < near.size() ? at + 1 : at]);
                    break;
                case 2:
                    near.erase(at, 1);
                    break;
                default:
                    near.insert(near.begin() + static_cast<std::ptrdiff_t>(at), letter());
                }
            }
            std::string text(random() % 70, 'x');
            text.insert(random() % (text.size() + 1), "|" + near + "|");
            for (char& c : text) {
                if (random() % 2) {
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                }
            }
            const icao::LetterPairs pairs({word, std::string(word.rbegin(), word.rend())});
            const icao::NearWordFilter filter(word, bound, pairs);
            QVERIFY2(filter.mayHold(pairs.in(text).pairs), (word + " in " + text).c_str());
        }
        const icao::LetterPairs pairs({"heathrow", "worhtaeh"});
        const icao::NearWordFilter heathrow("heathrow", 2, pairs);
        QVERIFY(!heathrow.mayHold(pairs.in(std::string(70, 'x') + "|newcastle|").pairs));
    }

    // Items of ASCII letters among characters that fold to one letter, to two, to nothing (a
    // combining mark) or to themselves: the pairs told from the raw item hold every pair of
    // the item folded whole; a byte that is not UTF-8 folds the item as Windows-1252.
    void letterPairsBeyondAsciiHoldTheFoldedOnes() {
        const std::vector<std::string> pieces = {
            "a",           "k",        "U",        " ",        "|",        "\xC3\xBC",
            "\xC3\x9C",    "\xC3\x9F", "\xCC\x88", "\xC3\xA6", "\xD1\x8F", "\xE6\x9D\xB1",
            "\xEF\xAC\x81"};
        std::mt19937 random(9);
        icao::TextFolder folder;
        const auto pick = [&] { return pieces[random() % pieces.size()]; };
        for (int round = 0; round < 3000; ++round) {
            std::string word;
            std::string item;
            for (std::size_t i = 0, size = 2 + random() % 6; i < size; ++i) {
                word += "akusefi"[random() % 7];
            }
            for (std::size_t i = 0, size = random() % 40; i < size; ++i) {
                item += pick();
            }
            if (round % 10 == 0) {
                item.insert(item.begin() +
                                static_cast<std::ptrdiff_t>(random() % (item.size() + 1)),
                            '\xFF');
            }
            const icao::LetterPairs pairs({word});
            std::string folded;
            folder.foldItem(item, folded);
            const std::uint64_t whole = pairs.in(folded).pairs;
            const std::uint64_t told = pairs.inFolded(item, pairs.in(item).pairs, folder);
            QVERIFY2((told & whole) == whole, (word + " in " + item).c_str());
        }
    }

    // Hits of random ranks, kinds and prominences, in file order, kept in one collector or in two
    // joined at a random place: what is shown is what sorting them all gives, whatever the limit.
    void hitCollectorKeepsWhatSortingShows() {
        std::mt19937 random(17);
        for (int round = 0; round < 300; ++round) {
            const std::size_t limit = 1 + random() % 8;
            std::vector<icao::FindHit> hits;
            for (std::size_t i = 0, count = random() % 60; i < count; ++i) {
                const icao::Standing standing{static_cast<icao::AirfieldKind>(random() % 4),
                                              static_cast<std::uint32_t>(random() % 3)};
                icao::FindHit hit{
                    static_cast<icao::FindRank>(random() % icao::kRankCount), standing, {}};
                hit.item.line = i;
                hits.push_back(hit);
            }
            auto expected = hits;
            std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
                return a.rank != b.rank ? a.rank < b.rank
                       : a.standing.kind != b.standing.kind
                           ? a.standing.kind < b.standing.kind
                           : a.standing.prominence > b.standing.prominence;
            });
            std::vector<std::size_t> lines;
            for (const auto& hit : expected) {
                const bool code = hit.rank <= icao::FindRank::IataCode;
                if (code || lines.size() < limit) {
                    lines.push_back(hit.item.line);
                }
            }
            const std::size_t split = random() % (hits.size() + 1);
            icao::HitCollector first(limit);
            icao::HitCollector second(limit);
            for (std::size_t i = 0; i < hits.size(); ++i) {
                (i < split ? first : second).add(hits[i]);
            }
            first.append(std::move(second));
            std::vector<std::size_t> kept;
            for (const auto& hit : first.finish()) {
                kept.push_back(hit.item.line);
            }
            QCOMPARE(kept, lines);
        }
    }

    // Chunks of every size, from one item up to more than the file holds, searched on two
    // threads at once: every item comes back once, with its line, in file order.
    void chunksHandBackEveryItemInOrder() {
        QByteArray content;
        QByteArrayList expected;
        for (int i = 0; i < 400; ++i) {
            const QByteArray item = "M|B" + QByteArray::number(i) + "|Chunk field|";
            content += item + (i % 5 == 0 ? ",\"quoted\"\n" : "\n");
            expected.append(item + "@" + QByteArray::number(i + 1));
            if (i % 5 == 0) {
                expected.append("quoted@" + QByteArray::number(i + 1));
            }
        }
        fixtures::DataFolder folder;
        const auto path = folder.write(content);
        const auto search = [](const icao::ItemChunk& chunk, std::size_t) {
            QByteArrayList items;
            for (std::size_t i = 0; i < chunk.size(); ++i) {
                const auto bytes = chunk.bytesOf(i);
                items.append(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())) + "@" +
                             QByteArray::number(chunk.lineOf(i)));
            }
            return items;
        };
        for (const std::size_t perChunk : {1, 3, 64, 1000}) {
            const auto chunks = icao::searchInChunks<QByteArrayList>(path, search, perChunk);
            QVERIFY(chunks);
            QByteArrayList items;
            for (const auto& chunk : *chunks) {
                QVERIFY(chunk.size() <= static_cast<qsizetype>(perChunk));
                items += chunk;
            }
            QCOMPARE(items, expected);
        }
        QVERIFY(!icao::searchInChunks<int>(folder.path() / "missing",
                                           [](const icao::ItemChunk&, std::size_t) { return 0; }));
    }
};

QTEST_GUILESS_MAIN(FindPartsTest)
#include "tst_find_parts.moc"
