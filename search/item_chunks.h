// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/data_file.h"
#include "platform/expected.h"
#include "platform/platform.h"
#include "search/word_marks.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <filesystem>
#include <functional>
#include <iterator>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace icao {

// Items of a data file copied out of its reader, so that another thread can search them; a
// chunk kept in memory for many finds also holds each item's folding and word marks. An item
// costs its bytes and eight more (its folding's too, and two for its marks, when kept), so
// that a file of tiny records kept in memory stays near the file's own size.
class ItemChunk {
  public:
    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::size_t byteCount() const { return bytes_.size(); }

    void reserve(std::size_t bytes, std::size_t items) {
        bytes_.reserve(bytes);
        ends_.reserve(items);
    }
    void clear() {
        bytes_.clear();
        ends_.clear();
        folded_.clear();
        foldedEnds_.clear();
        marks_.clear();
        lines_.clear();
    }

    // Adds an item, and then its folding and word marks where the chunk keeps them. A chunk holds
    // less than 4 GiB, so that offsets fit 32 bits.
    void add(std::string_view bytes, std::size_t line) {
        addLine(line);
        bytes_.append(bytes);
        ends_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    }
    void addFolding(std::string_view folded, WordMarks marks) {
        folded_.append(folded);
        foldedEnds_.push_back(static_cast<std::uint32_t>(folded_.size()));
        marks_.push_back(marks);
    }

    std::string_view bytesOf(std::size_t index) const { return part(bytes_, ends_, index); }
    bool isFolded() const { return !foldedEnds_.empty(); }
    std::string_view foldedOf(std::size_t index) const { return part(folded_, foldedEnds_, index); }
    WordMarks marksOf(std::size_t index) const { return marks_[index]; }

    std::size_t lineOf(std::size_t index) const {
        const auto run = std::prev(std::upper_bound(
            lines_.begin(), lines_.end(), index,
            [](std::size_t wanted, const LineRun& run) { return wanted < run.first; }));
        return run->line + (index - run->first) * run->step;
    }

  private:
    // Items from `first` on whose lines go up by `step`, 1 for an item a line and 0 for
    // items of one line, until the next run: a chunk of either shape keeps one run.
    struct LineRun {
        std::size_t first;
        std::size_t line;
        std::size_t step;
    };

    static std::string_view part(const std::string& all, const std::vector<std::uint32_t>& ends,
                                 std::size_t index) {
        const std::size_t start = index == 0 ? 0 : ends[index - 1];
        return std::string_view(all).substr(start, ends[index] - start);
    }

    void addLine(std::size_t line) {
        const std::size_t index = size();
        if (!lines_.empty()) {
            LineRun& last = lines_.back();
            if (index == last.first + 1 && line >= last.line && line - last.line <= 1) {
                last.step = line - last.line;
                return;
            }
            if (line == last.line + (index - last.first) * last.step) {
                return;
            }
        }
        lines_.push_back({index, line, 0});
    }

    std::string bytes_;
    std::vector<std::uint32_t> ends_;
    std::string folded_;
    std::vector<std::uint32_t> foldedEnds_;
    std::vector<WordMarks> marks_;
    std::vector<LineRun> lines_;
};

// The second thread of a search: runs work(1), hands on what it threw (out of memory, say) to
// the thread that joins it, and is joined whichever way that thread leaves; release, run
// first, lets the work end.
class SecondWorker {
  public:
    explicit SecondWorker(std::function<void()> release) : release_(std::move(release)) {}
    SecondWorker(const SecondWorker&) = delete;
    SecondWorker& operator=(const SecondWorker&) = delete;
    ~SecondWorker() {
        if (thread_) {
            release_();
            thread_->join();
        }
    }

    template <class Work> void start(Work work) {
        thread_.emplace([this, work] {
            try {
                work(std::size_t{1});
            } catch (...) {
                failure_ = std::current_exception();
            }
        });
    }
    bool started() const { return thread_.has_value(); }

    // Waits for the work to end, and throws what it threw.
    void join() {
        if (thread_) {
            thread_->join();
            thread_.reset();
        }
        if (failure_) {
            std::rethrow_exception(std::exchange(failure_, nullptr));
        }
    }

  private:
    std::function<void()> release_;
    std::optional<std::thread> thread_;
    std::exception_ptr failure_;
};

// About half a megabyte of records like the shipped ones: few enough chunks that handing
// them over costs nothing next to searching them.
inline constexpr std::size_t kItemsPerChunk = 8192;

// At most this many bytes a chunk, however long the items: four chunks wait at a time, so a
// find of any file holds a few megabytes of it.
inline constexpr std::size_t kChunkBytes = 1 << 20;

// Reads the data file's items on this thread in chunks of itemsPerChunk (or kChunkBytes), and
// searches each chunk on its own with search(chunk, worker), on this thread (worker 0) or a second
// one (worker 1), so that a search of a large file keeps two cores busy. The results come in file
// order. Two calls never share a worker, so each worker can keep its own state.
template <class Result, class Search>
Expected<std::vector<Result>> searchInChunks(const std::filesystem::path& dataFile, Search search,
                                             std::size_t itemsPerChunk = kItemsPerChunk) {
    // Chunks read but not yet searched: a few, so that memory stays bounded.
    constexpr std::size_t kWaiting = 4;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::pair<std::size_t, ItemChunk>> waiting;
    // Searched chunks, emptied for reading into again: allocating each anew would make the
    // system clear fresh pages for every one.
    std::vector<ItemChunk> spare;
    std::deque<std::optional<Result>> results;
    bool allRead = false;
    const auto recycle = [&spare](ItemChunk&& chunk) {
        chunk.clear();
        spare.push_back(std::move(chunk));
    };

    const auto searchWaiting = [&](std::size_t worker) {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return !waiting.empty() || allRead; });
            if (waiting.empty()) {
                return;
            }
            auto [index, chunk] = std::move(waiting.front());
            waiting.pop_front();
            changed.notify_all();
            lock.unlock();
            Result result = search(std::as_const(chunk), worker);
            lock.lock();
            results[index] = std::move(result);
            recycle(std::move(chunk));
        }
    };
    const bool twoCores = platform::usableCores() > 1;
    const auto allReadNow = [&] {
        {
            std::lock_guard lock(mutex);
            allRead = true;
        }
        changed.notify_all();
    };
    SecondWorker second(allReadNow);
    const auto handOver = [&](ItemChunk chunk) {
        std::unique_lock lock(mutex);
        const std::size_t index = results.size();
        results.emplace_back();
        if (twoCores && waiting.size() < kWaiting) {
            waiting.emplace_back(index, std::move(chunk));
            // A file of one chunk is searched on this thread alone.
            if (!second.started() && index > 0) {
                second.start(searchWaiting);
            }
            changed.notify_all();
            return;
        }
        // The second thread has enough to do: this one searches the chunk itself.
        lock.unlock();
        Result result = search(std::as_const(chunk), 0);
        lock.lock();
        results[index] = std::move(result);
        recycle(std::move(chunk));
    };
    const auto emptyChunk = [&](std::size_t bytes) {
        std::lock_guard lock(mutex);
        ItemChunk chunk;
        if (!spare.empty()) {
            chunk = std::move(spare.back());
            spare.pop_back();
        }
        // Chunks of one file tend to one size: room for the last one's bytes saves regrowing.
        chunk.reserve(bytes, itemsPerChunk);
        return chunk;
    };
    ItemChunk chunk = emptyChunk(0);
    const auto error = forEachItem(dataFile, [&](const FileItem& item) {
        chunk.add(keptBytes(item.bytes), item.line);
        if (chunk.size() == itemsPerChunk || chunk.byteCount() >= kChunkBytes) {
            const std::size_t bytes = chunk.byteCount() + chunk.byteCount() / 8;
            handOver(std::exchange(chunk, emptyChunk(bytes)));
        }
    });
    if (!chunk.empty()) {
        handOver(std::move(chunk));
    }
    allReadNow();
    searchWaiting(0);
    second.join();
    if (error) {
        return *error;
    }
    std::vector<Result> ordered;
    for (auto& result : results) {
        ordered.push_back(std::move(*result));
    }
    return ordered;
}

// Searches chunks kept in memory with search(chunk, worker), as searchInChunks does: on this
// thread and, where the process may use two cores, a second one. The results come in chunk
// order.
template <class Result, class Search>
std::vector<Result> searchStoredChunks(const std::vector<ItemChunk>& chunks, Search search) {
    std::vector<std::optional<Result>> results(chunks.size());
    std::atomic<std::size_t> next = 0;
    const auto searchNext = [&](std::size_t worker) {
        for (std::size_t index = next++; index < chunks.size(); index = next++) {
            results[index] = search(chunks[index], worker);
        }
    };
    // Taking every chunk that is left lets the second thread end.
    SecondWorker second([&] { next = chunks.size(); });
    if (chunks.size() > 1 && platform::usableCores() > 1) {
        second.start(searchNext);
    }
    searchNext(0);
    second.join();
    std::vector<Result> ordered;
    for (auto& result : results) {
        ordered.push_back(std::move(*result));
    }
    return ordered;
}

} // namespace icao
