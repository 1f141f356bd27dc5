// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "platform/kernels.h"
#include "platform/platform.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>

namespace icao {

inline constexpr std::string_view kDataFileName = "airports.txt";

// The one data file of a folder: the program passes its own folder, tests a temporary one.
std::filesystem::path dataFilePath(const std::filesystem::path& folder);

// Yes only when an ordinary file stands at the data file path; opens and reads nothing.
bool dataFileCheck(const std::filesystem::path& folder);

// One item of the data file as the reader hands it over: its bytes, valid until the next item
// is read, the 1-based line it began on, and whether it began with a double quote, which the
// reader dropped.
struct FileItem {
    std::string_view bytes;
    std::size_t line;
    bool quoted;
};

// The data file opened for reading items, closed when this object goes away.
//
// Items follow free-format input rules: an item ends at a comma or a line end (LF, CRLF or a
// lone CR); an item that begins with a double quote runs to the next double quote, and text
// after that quote up to the next comma or line end is dropped; a blank line is an empty item;
// a final line end adds no item. A UTF-8 byte-order mark at the start is skipped. An item
// keeps at most kMaxItemBytes bytes, and memory stays bounded whatever the file holds.
class DataFile {
  public:
    static constexpr std::size_t kMaxItemBytes = 256 * 1024;

    // Small enough that a block read stays in the processor's cache until it is scanned.
    static constexpr std::size_t kReadBlock = 64 * 1024;

    // Fails without blocking when the path is missing, unreadable or not an ordinary file.
    // readBlock is the most read at once; tests make it tiny to cross every block boundary.
    static Expected<DataFile> open(const std::filesystem::path& path,
                                   std::size_t readBlock = kReadBlock);

    // The next item's bytes, valid until the next call; std::nullopt once every item was read
    // or when reading failed, which error() then tells.
    std::optional<std::string_view> nextItem() {
        // The common case, an unquoted item wholly in the buffer, is the scan's inner loop.
        if (ready_ && begin_ < end_ && buffer_[begin_] != '"') {
            const char* from = buffer_.get() + begin_;
            const char* to = buffer_.get() + end_;
            const char* hit = findItemEnd_(from, to);
            if (hit != to && static_cast<std::size_t>(hit - from) <= kMaxItemBytes) {
                itemLine_ = line_;
                itemQuoted_ = false;
                consumeDelimiter(static_cast<std::size_t>(hit - buffer_.get()));
                return std::string_view(from, static_cast<std::size_t>(hit - from));
            }
        }
        return nextItemSlowly();
    }

    // The 1-based line on which the item last returned began.
    std::size_t line() const { return itemLine_; }
    // Whether that item began with a double quote, which the reader dropped.
    bool quoted() const { return itemQuoted_; }

    // Shows each run of bytes as it is read, every byte of the file once and in order, before
    // any item of it is read: a question the same pass answers too, as the code lookup's miss
    // also tells whether the code stands anywhere else.
    void watchBytes(std::function<void(std::string_view)> watch) { watch_ = std::move(watch); }

    // Why reading stopped early, if it did.
    const std::optional<FileError>& error() const { return error_; }

    // The item loop of every reader of the file: calls visit with each further FileItem until
    // visit, where it yields a bool, yields false. Yields the error that cut reading short.
    template <class Visit> std::optional<FileError> forEachItem(Visit visit) {
        while (const auto item = nextItem()) {
            // Field by field: the item was just stored in two halves, and loading it whole
            // would wait for both stores on every item.
            const FileItem fileItem{{item->data(), item->size()}, itemLine_, itemQuoted_};
            if constexpr (std::is_void_v<decltype(visit(fileItem))>) {
                visit(fileItem);
            } else if (!visit(fileItem)) {
                return std::nullopt;
            }
        }
        return error_;
    }

  private:
    DataFile(platform::ReadOnlyFile file, std::size_t readBlock);

    std::optional<std::string_view> nextItemSlowly();
    std::optional<FileError> refill();
    std::optional<FileError> settlePending();
    Expected<std::size_t> scanTo(std::size_t scanned, bool quoted, bool keep);
    void consumeDelimiter(std::size_t at) {
        if (at >= end_) {
            begin_ = end_;
            return;
        }
        const char delimiter = buffer_[at];
        begin_ = at + 1;
        itemAfterComma_ = delimiter == ',';
        line_ += itemAfterComma_ ? 0 : 1;
        if (delimiter == '\r') {
            if (begin_ < end_) {
                begin_ += buffer_[begin_] == '\n' ? 1 : 0;
            } else {
                skipLineFeed_ = true;
            }
        }
        updateReady();
    }
    void updateReady() { ready_ = started_ && !skipLineFeed_ && !dropToDelimiter_; }

    platform::ReadOnlyFile file_;
    // Picked once: this is the scan's inner loop.
    decltype(kernels::Kernels::findItemEnd) findItemEnd_ = kernels::chosen().findItemEnd;
    std::size_t readBlock_;
    // Left uninitialized: only what was read is ever looked at, and clearing a quarter of a
    // megabyte for every search costs more than the search of a small file.
    std::size_t bufferSize_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEndOfFile_ = false;
    bool started_ = false;
    bool itemAfterComma_ = false;
    bool skipLineFeed_ = false;
    bool dropToDelimiter_ = false;
    // Nothing is pending from the previous item, so the next one can be read straight away.
    bool ready_ = false;
    std::optional<FileError> error_;
    std::size_t line_ = 1;
    // Whether the quoted bytes scanned so far end in a CR, whose LF the next block may hold.
    bool scannedCarriageReturn_ = false;
    std::size_t itemLine_ = 0;
    bool itemQuoted_ = false;
    std::function<void(std::string_view)> watch_;
};

// Opens the data file and runs its item loop (DataFile::forEachItem) to the end or until visit
// stops it; yields the error that kept the file from being opened or read to the end.
template <class Visit>
std::optional<FileError> forEachItem(const std::filesystem::path& dataFile, Visit visit) {
    auto file = DataFile::open(dataFile);
    if (!file) {
        return file.error();
    }
    return file->forEachItem(std::move(visit));
}

} // namespace icao
