// Times the not-found scan of both lookups over a large data file in the page cache, against
// the fastest plain read of the same file: 64 KiB blocks with line ends counted by memchr.

#include "generated_file.h"
#include "lookup/box.h"
#include "lookup/lookups.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace {

std::filesystem::path gDataFile;

std::size_t countLineEnds(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY);
    std::vector<char> block(64 * 1024);
    std::size_t lines = 0;
    for (;;) {
        const ssize_t count = ::read(descriptor, block.data(), block.size());
        if (count <= 0) {
            break;
        }
        const char* p = block.data();
        const char* end = p + count;
        while (const void* hit = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
            ++lines;
            p = static_cast<const char*>(hit) + 1;
        }
    }
    ::close(descriptor);
    return lines;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(gDataFile)));
}

void Baseline(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(countLineEnds(gDataFile));
    }
    setBytes(state);
}

using Lookup = icao::Expected<icao::Outcome> (*)(icao::Box&, icao::Box&,
                                                 const std::filesystem::path&);

void notFoundScan(benchmark::State& state, Lookup lookup, const char32_t* key) {
    for (auto _ : state) {
        icao::MemoryBox input(key);
        icao::MemoryBox output;
        const auto outcome = lookup(input, output, gDataFile);
        if (!outcome || *outcome != icao::Outcome::NotFound) {
            state.SkipWithError("the scan did not end on its not-found path");
        }
    }
    setBytes(state);
}

// Prints, after the usual table, each benchmark's throughput as a ratio to the baseline's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                seconds_[run.benchmark_name()] = run.real_accumulated_time / run.iterations;
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto baseline = seconds_.find("Baseline");
        if (baseline == seconds_.end()) {
            return;
        }
        const double bytes = static_cast<double>(std::filesystem::file_size(gDataFile));
        std::printf("\n%-32s %12s %18s\n", "scan", "MB/s", "time / baseline");
        for (const auto& [name, seconds] : seconds_) {
            std::printf("%-32s %12.0f %18.2f\n", name.c_str(), bytes / seconds / 1e6,
                        seconds / baseline->second);
        }
    }

  private:
    std::map<std::string, double> seconds_;
};

void CodeToNameNotFound(benchmark::State& state) {
    notFoundScan(state, &icao::codeToName, U"0000");
}

void NameToCodeNotFound(benchmark::State& state) {
    notFoundScan(state, &icao::nameToCode, U"NO SUCH AIRPORT");
}

} // namespace

BENCHMARK(Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(CodeToNameNotFound)->Unit(benchmark::kMillisecond);
BENCHMARK(NameToCodeNotFound)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    gDataFile = writeBenchmarkFile(std::filesystem::temp_directory_path() / "icao-bench", 1000000);
    std::printf("data file: %s, %ju bytes\n", gDataFile.c_str(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(gDataFile)));
    countLineEnds(gDataFile); // brings the file into the page cache
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
