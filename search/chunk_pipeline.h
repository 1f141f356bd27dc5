// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/data_file.h"
#include "platform/expected.h"
#include "platform/platform.h"
#include "search/item_chunk.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

// A search's two-thread pipeline: this thread reads the data file's items into chunks and
// hands them to a second thread to search while it reads on, searching some itself when the
// second has enough; chunks kept in memory are shared out between the two alike.

namespace icao {

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
