// SPDX-License-Identifier: MIT
// Times the not-found scan of both lookups over large data files in the page cache, each
// against the fastest plain read of the same file: 64 KiB blocks with line ends counted by
// memchr; over the records shaped like the shipped ones, find and near; and the finds of the
// index in memory over the shipped data, one query at a time, as the desktop finder asks them;
// and the shipped navaids.txt read whole, as icao info and the finder read it, beside the plain
// read of the same file, and the aids within 10 NM of an airfield found among them; and routes
// of 1,000 words read over the index.

#include "generated_file.h"
#include "lookup/box.h"
#include "lookup/lookups.h"
#include "search/airports_by_code.h"
#include "search/find.h"
#include "search/navaids.h"
#include "search/nearby.h"
#include "search/route_reading.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace {

std::size_t countLineEnds(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    // Unbuffered, so that each read goes straight from the page cache into the block.
    in.rdbuf()->pubsetbuf(nullptr, 0);
    std::vector<char> block(64 * 1024);
    std::size_t lines = 0;
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
        const char* p = block.data();
        const char* end = p + in.gcount();
        while (const void* hit = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
            ++lines;
            p = static_cast<const char*>(hit) + 1;
        }
    }
    return lines;
}

void setBytes(benchmark::State& state, const std::filesystem::path& file) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file)));
}

void baseline(benchmark::State& state, const std::filesystem::path& file) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(countLineEnds(file));
    }
    setBytes(state, file);
}

using Lookup = icao::Expected<icao::Outcome> (*)(icao::Box&, icao::Box&,
                                                 const std::filesystem::path&);

void notFoundScan(benchmark::State& state, const std::filesystem::path& file, Lookup lookup,
                  const char32_t* key) {
    for (auto _ : state) {
        icao::MemoryBox input(key);
        icao::MemoryBox output;
        const auto outcome = lookup(input, output, file);
        if (!outcome || *outcome != icao::Outcome::NotFound) {
            state.SkipWithError("the scan did not end on its not-found path");
        }
    }
    setBytes(state, file);
}

void findScan(benchmark::State& state, const std::filesystem::path& file, std::string text,
              bool expectHits) {
    const icao::Text query = icao::decodeText(text);
    for (auto _ : state) {
        const auto result = icao::findAirports(query, icao::kDefaultFindLimit, file);
        if (!result || result->hits.empty() != !expectHits) {
            state.SkipWithError("find did not answer as expected");
        }
    }
    setBytes(state, file);
}

void indexFind(benchmark::State& state, icao::AirportIndex* index, std::string text,
               icao::HitCount count) {
    const icao::Text query = icao::decodeText(text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(index->find(query, icao::kDefaultFindLimit, {}, count));
    }
}

void nearScan(benchmark::State& state, const std::filesystem::path& file) {
    for (auto _ : state) {
        const auto nearest = icao::nearestAirports({{51.47, -0.46}, 10, {}, std::nullopt}, file);
        if (!nearest || nearest->size() != 10) {
            state.SkipWithError("near did not answer as expected");
        }
    }
    setBytes(state, file);
}

// near - for one code: its record, then its ten nearest, all in memory; with a filter, among the
// items it admits, picked once for every key as near - picks them, or else among all.
void indexNear(benchmark::State& state, icao::AirportIndex* index, icao::AirfieldFilter filter,
               bool admittedOnce) {
    const auto admitted = icao::admittedItems(filter, *index);
    const icao::RecordSource candidates =
        admittedOnce ? icao::RecordSource(admitted) : icao::RecordSource(*index);
    for (auto _ : state) {
        const auto origin = icao::airportsByCode({U"EGLL"}, *index)->front();
        const auto nearest =
            icao::nearestAirports({*origin->place(), 10, filter, origin->line}, candidates);
        if (nearest->size() != 10) {
            state.SkipWithError("near did not answer as expected");
        }
    }
}

void navaidsRead(benchmark::State& state, const std::filesystem::path& file) {
    for (auto _ : state) {
        const auto navaids = icao::readNavaids(file);
        if (!navaids || navaids->size() < 10000) {
            state.SkipWithError("navaids.txt did not read as expected");
        }
    }
    setBytes(state, file);
}

void navaidsNear(benchmark::State& state, const std::vector<icao::Navaid>* navaids) {
    const icao::Place heathrow{51.470748, -0.459909};
    for (auto _ : state) {
        const auto near = icao::nearestNavaids(*navaids, heathrow, navaids->size(), 18.52);
        if (near.empty()) {
            state.SkipWithError("no navaid near Heathrow");
        }
    }
}

// A route of 1,000 words read over the records in memory, as icao dist and the finder read one.
// With `searchedWhole`, every span is searched by the whole find, as before spans were looked up
// among the records that hold their words.
void routeRead(benchmark::State& state, icao::AirportIndex* index, std::string route,
               bool searchedWhole) {
    icao::NameFinder names = icao::namesIn(*index);
    if (searchedWhole) {
        names.findStrong = names.find;
    }
    for (auto _ : state) {
        const auto reading = icao::readRoute(route, *index, names);
        if (!reading || reading->words != icao::kMaxRouteWords) {
            state.SkipWithError("the route did not read as expected");
        }
    }
}

// 1,000 of the commonest English words, repeated: few name an airfield, most pairs none.
std::string commonWords() {
    const std::vector<std::string> words = {
        "the",   "of",   "and",   "time", "in",    "is",    "was",   "for",  "on",   "are",
        "with",  "as",   "at",    "be",   "this",  "have",  "from",  "or",   "one",  "had",
        "by",    "word", "but",   "not",  "what",  "all",   "were",  "we",   "when", "your",
        "can",   "said", "there", "use",  "an",    "each",  "which", "she",  "do",   "how",
        "their", "if",   "will",  "up",   "other", "about", "out",   "many", "then", "them"};
    std::string text;
    for (std::size_t i = 0; i < icao::kMaxRouteWords; ++i) {
        text.append(i == 0 ? "" : " ").append(words[(i * 7 + i / 50) % words.size()]);
    }
    return text;
}

// The first words of the municipalities of the shipped records, every twentieth, up to 1,000:
// each a name that reads as an airfield, many as several.
std::string placeNames() {
    std::ifstream in(ICAO_SHIPPED_DATA_FILE);
    std::string line;
    std::string text;
    std::size_t words = 0;
    for (std::size_t n = 0; std::getline(in, line) && words < icao::kMaxRouteWords; ++n) {
        std::vector<std::string> fields;
        std::stringstream row(line);
        for (std::string field; std::getline(row, field, '|');) {
            fields.push_back(field);
        }
        std::stringstream place(fields.size() > 3 ? fields[3] : "");
        for (std::string word; n % 20 == 0 && place >> word && words < icao::kMaxRouteWords;) {
            if (word.find_first_of("-,;>") == std::string::npos && word != "to" && word != "via") {
                text.append(words++ == 0 ? "" : " ").append(word);
            }
        }
    }
    return text;
}

// After the usual table, prints each scan's throughput and its time as a ratio to the
// baseline over the same file (the part of the name before the slash).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(std::map<std::string, std::filesystem::path> files)
        : files_(std::move(files)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions, their median stands for each scan.
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type == Run::RT_Iteration || median) && !run.error_occurred) {
                seconds_[run.run_name.str()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-28s %10s %16s %18s\n", "scan", "MB/s", "time / baseline",
                    "time / code scan");
        for (const auto& [name, seconds] : seconds_) {
            const std::string shape = name.substr(0, name.find('/'));
            const auto baseline = seconds_.find(shape + "/Baseline");
            const auto codeScan = seconds_.find(shape + "/CodeToNameNotFound");
            if (baseline == seconds_.end() || codeScan == seconds_.end()) {
                continue;
            }
            const double bytes = static_cast<double>(std::filesystem::file_size(files_[shape]));
            std::printf("%-28s %10.0f %16.2f %18.2f\n", name.c_str(), bytes / seconds / 1e6,
                        seconds / baseline->second, seconds / codeScan->second);
        }
    }

  private:
    std::map<std::string, std::filesystem::path> files_;
    std::map<std::string, double> seconds_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const auto folder = std::filesystem::temp_directory_path() / "icao-bench-v4";
    std::map<std::string, std::filesystem::path> files;
    for (Shape shape : {Shape::Shipped, Shape::Detailed, Shape::NonAscii, Shape::OneLine}) {
        const std::string name = shapeName(shape);
        const auto file = writeBenchmarkFile(folder, shape);
        files[name] = file;
        std::printf("%s: %s, %ju bytes\n", name.c_str(), file.c_str(),
                    static_cast<std::uintmax_t>(std::filesystem::file_size(file)));
        countLineEnds(file); // brings the file into the page cache
        benchmark::RegisterBenchmark((name + "/Baseline").c_str(), baseline, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/CodeToNameNotFound").c_str(), notFoundScan, file,
                                     &icao::codeToName, U"0000")
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/NameToCodeNotFound").c_str(), notFoundScan, file,
                                     &icao::nameToCode, U"NO SUCH AIRPORT")
            ->Unit(benchmark::kMillisecond);
    }
    // find over the records shaped like the shipped ones: a word that a few names hold; a
    // place that one record in twenty holds, so that the list fills early; and a typo that
    // matches nothing, so that every record is weighed as a suggestion.
    const auto shipped = files["Shipped"];
    const std::string word = placeWord(123456);
    benchmark::RegisterBenchmark("Shipped/FindWord", findScan, shipped, word, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Shipped/FindCommonPlace", findScan, shipped, "kiruna", true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Shipped/FindTypoWithSuggestions", findScan, shipped,
                                 word.substr(0, 4) + "q" + word.substr(5), false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Shipped/NearTen", nearScan, shipped)
        ->Unit(benchmark::kMillisecond);
    // Each letter of a name as it is typed, a code, and a typo that matches nothing, so that
    // every record is weighed as a suggestion.
    countLineEnds(ICAO_SHIPPED_NAVAIDS_FILE);
    benchmark::RegisterBenchmark("Navaids/Baseline", baseline,
                                 std::filesystem::path(ICAO_SHIPPED_NAVAIDS_FILE))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Navaids/Read", navaidsRead,
                                 std::filesystem::path(ICAO_SHIPPED_NAVAIDS_FILE))
        ->Unit(benchmark::kMillisecond);
    const auto navaids = icao::readNavaids(ICAO_SHIPPED_NAVAIDS_FILE);
    if (!navaids) {
        std::fprintf(stderr, "%s\n", navaids.error().describe().c_str());
        return 1;
    }
    benchmark::RegisterBenchmark("Navaids/WithinTenNm", navaidsNear, &*navaids)
        ->Unit(benchmark::kMicrosecond);
    auto index = icao::AirportIndex::load(ICAO_SHIPPED_DATA_FILE);
    if (!index) {
        std::fprintf(stderr, "%s\n", index.error().describe().c_str());
        return 1;
    }
    for (const char* text : {"l", "lo", "lon", "lond", "london", "london heathrow", "egll",
                             "frankfurt main", "munchen", "heathroe"}) {
        benchmark::RegisterBenchmark((std::string("Index/") + text).c_str(), indexFind, &*index,
                                     text, icao::HitCount::KeptOnly)
            ->Unit(benchmark::kMicrosecond);
        // As the finder asks, to tell how many matched beyond those shown.
        benchmark::RegisterBenchmark((std::string("Index/") + text + "/counted").c_str(), indexFind,
                                     &*index, text, icao::HitCount::Every)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("Index/near EGLL", indexNear, &*index, icao::AirfieldFilter{},
                                 false)
        ->Unit(benchmark::kMicrosecond);
    icao::AirfieldFilter longLighted;
    longLighted.minRunwayFt = 13123; // 4000 m
    longLighted.lighted = true;
    for (const bool once : {true, false}) {
        benchmark::RegisterBenchmark(once ? "Index/near EGLL 4000m lighted"
                                          : "Index/near EGLL 4000m lighted/each record",
                                     indexNear, &*index, longLighted, once)
            ->Unit(benchmark::kMicrosecond);
    }
    for (const bool whole : {false, true}) {
        const std::string how = whole ? "/every span searched whole" : "";
        benchmark::RegisterBenchmark(("Route/1000 common words" + how).c_str(), routeRead, &*index,
                                     commonWords(), whole)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Route/1000 place names" + how).c_str(), routeRead, &*index,
                                     placeNames(), whole)
            ->Unit(benchmark::kMillisecond);
    }
    RatioReporter reporter(files);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
