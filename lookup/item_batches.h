#pragma once

#include "lookup/data_file.h"
#include "lookup/expected.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <sched.h>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace icao {

// Items of a data file copied out of its reader, so that another thread can search them.
struct ItemBatch {
    struct Item {
        std::size_t offset;
        std::size_t size;
        std::size_t line;
    };
    std::string bytes;
    std::vector<Item> items;

    std::string_view bytesOf(const Item& item) const {
        return std::string_view(bytes).substr(item.offset, item.size);
    }
};

// The cores this process may run on, which an affinity mask can make fewer than the
// machine's; two threads sharing one core only get in each other's way.
inline std::size_t usableCores() {
#if defined(__linux__)
    cpu_set_t cores;
    if (sched_getaffinity(0, sizeof(cores), &cores) == 0) {
        return static_cast<std::size_t>(CPU_COUNT(&cores));
    }
#endif
    return std::thread::hardware_concurrency();
}

// About half a megabyte of records like the shipped ones: few enough batches that handing
// them over costs nothing next to searching them.
inline constexpr std::size_t kItemsPerBatch = 8192;

// Reads the data file's items on this thread in batches of itemsPerBatch, and searches each
// batch on its own with search(batch, worker), on this thread (worker 0) or a second one
// (worker 1), so that a search of a large file keeps two cores busy. The results come in file
// order. Two calls never share a worker, so each worker can keep its own state.
template <class Result, class Search>
Expected<std::vector<Result>> searchInBatches(const std::filesystem::path& dataFile, Search search,
                                              std::size_t itemsPerBatch = kItemsPerBatch) {
    auto file = DataFile::open(dataFile);
    if (!file) {
        return file.error();
    }
    // Batches read but not yet searched: a few, so that memory stays bounded.
    constexpr std::size_t kWaiting = 4;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::pair<std::size_t, ItemBatch>> waiting;
    std::deque<std::optional<Result>> results;
    bool allRead = false;

    const auto searchWaiting = [&](std::size_t worker) {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return !waiting.empty() || allRead; });
            if (waiting.empty()) {
                return;
            }
            auto [index, batch] = std::move(waiting.front());
            waiting.pop_front();
            changed.notify_all();
            lock.unlock();
            Result result = search(std::as_const(batch), worker);
            lock.lock();
            results[index] = std::move(result);
        }
    };
    const bool twoCores = usableCores() > 1;
    std::optional<std::thread> second;
    std::size_t lastBytes = 0;
    for (bool more = true; more;) {
        ItemBatch batch;
        // Batches of one file tend to one size: room for the last one's bytes saves regrowing.
        batch.bytes.reserve(lastBytes);
        batch.items.reserve(itemsPerBatch);
        while (batch.items.size() < itemsPerBatch) {
            const auto item = file->nextItem();
            if (!item) {
                more = false;
                break;
            }
            batch.items.push_back({batch.bytes.size(), item->size(), file->line()});
            batch.bytes.append(*item);
        }
        if (batch.items.empty()) {
            break;
        }
        lastBytes = batch.bytes.size() + batch.bytes.size() / 8;
        std::unique_lock lock(mutex);
        const std::size_t index = results.size();
        results.emplace_back();
        if (twoCores && waiting.size() < kWaiting) {
            waiting.emplace_back(index, std::move(batch));
            // A file of one batch is searched on this thread alone.
            if (!second && index > 0) {
                second.emplace(searchWaiting, 1);
            }
            changed.notify_all();
            continue;
        }
        // The second thread has enough to do: this one searches the batch itself.
        lock.unlock();
        Result result = search(std::as_const(batch), 0);
        lock.lock();
        results[index] = std::move(result);
    }
    {
        std::lock_guard lock(mutex);
        allRead = true;
    }
    changed.notify_all();
    searchWaiting(0);
    if (second) {
        second->join();
    }
    if (file->error()) {
        return *file->error();
    }
    std::vector<Result> ordered;
    for (auto& result : results) {
        ordered.push_back(std::move(*result));
    }
    return ordered;
}

} // namespace icao
