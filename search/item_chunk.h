// SPDX-License-Identifier: MIT
#pragma once

#include "search/word_marks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
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

    // Gives back the room grown past what the chunk holds, once it takes no more: a chunk kept
    // in memory would otherwise hold up to twice its bytes.
    void seal() {
        bytes_.shrink_to_fit();
        ends_.shrink_to_fit();
        folded_.shrink_to_fit();
        foldedEnds_.shrink_to_fit();
        marks_.shrink_to_fit();
        lines_.shrink_to_fit();
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

} // namespace icao
