// SPDX-License-Identifier: MIT
#include "lookup/data_file.h"

#include "lookup/item_end.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace icao {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the longest prefix of bytes that does not end inside a UTF-8 sequence, so a
// cut item that was valid UTF-8 stays valid.
std::size_t withoutSplitSequence(const char* bytes, std::size_t length) {
    for (std::size_t back = 1; back <= 4 && back <= length; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[length - back]);
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        const std::size_t sequence = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return sequence > back ? length - back : length;
    }
    return length;
}

} // namespace

std::filesystem::path dataFilePath(const std::filesystem::path& folder) {
    return folder / kDataFileName;
}

bool dataFileCheck(const std::filesystem::path& folder) {
    return platform::isOrdinaryFile(dataFilePath(folder));
}

Expected<DataFile> DataFile::open(const std::filesystem::path& path, std::size_t readBlock) {
    auto file = platform::ReadOnlyFile::open(path);
    if (!file) {
        return file.error();
    }
    return DataFile(std::move(*file), std::max<std::size_t>(readBlock, 1));
}

DataFile::DataFile(platform::ReadOnlyFile file, std::size_t readBlock)
    : file_(std::move(file)), readBlock_(readBlock), bufferSize_(kMaxItemBytes + 1 + readBlock),
      buffer_(new char[bufferSize_]) {}

std::optional<FileError> DataFile::refill() {
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const auto count = file_.read(buffer_.get() + end_, std::min(readBlock_, bufferSize_ - end_));
    if (!count) {
        return count.error();
    }
    if (*count == 0) {
        atEndOfFile_ = true;
    }
    if (watch_ && *count > 0) {
        watch_(std::string_view(buffer_.get() + end_, *count));
    }
    end_ += *count;
    return std::nullopt;
}

// Finds the byte that ends the item starting at begin_ (a closing quote when quoted, else a
// comma or line end), reading on as needed, and yields its index, or end_ at the end of the
// file. Of the item's bytes only the first kMaxItemBytes are kept, none when keep is false.
Expected<std::size_t> DataFile::scanTo(std::size_t scanned, bool quoted, bool keep) {
    for (;;) {
        const char* base = buffer_.get();
        const char* from = base + begin_ + scanned;
        const char* to = base + end_;
        const char* hit = quoted ? detail::findClosingQuote(from, to) : findItemEnd_(from, to);
        if (quoted) {
            // Line ends inside quotes belong to the item but still start new lines.
            const bool afterCarriageReturn = scanned > 0 && scannedCarriageReturn_;
            line_ += detail::countLineEnds(from, hit, afterCarriageReturn);
            scannedCarriageReturn_ = hit > from ? hit[-1] == '\r' : afterCarriageReturn;
        }
        if (hit != to || atEndOfFile_) {
            return static_cast<std::size_t>(hit - base);
        }
        scanned = end_ - begin_;
        // One byte past the limit stays, so the caller still sees that the item was cut.
        const std::size_t kept = keep ? kMaxItemBytes + 1 : 0;
        if (scanned > kept) {
            end_ = begin_ + kept;
            scanned = kept;
        }
        if (auto error = refill()) {
            return *error;
        }
    }
}

// Before the first item skips a byte-order mark; before any other finishes what the previous
// item left: text after a closing quote, the LF of a CRLF.
std::optional<FileError> DataFile::settlePending() {
    const auto ensureData = [this]() -> std::optional<FileError> {
        while (begin_ == end_ && !atEndOfFile_) {
            if (auto error = refill()) {
                return error;
            }
        }
        return std::nullopt;
    };
    if (!started_) {
        started_ = true;
        while (end_ < kByteOrderMark.size() && !atEndOfFile_) {
            if (auto error = refill()) {
                return error;
            }
        }
        if (std::string_view(buffer_.get(), end_).starts_with(kByteOrderMark)) {
            begin_ = kByteOrderMark.size();
        }
    }
    if (dropToDelimiter_) {
        auto at = scanTo(0, false, false);
        if (!at) {
            return at.error();
        }
        dropToDelimiter_ = false;
        consumeDelimiter(*at);
    }
    if (skipLineFeed_) {
        if (auto error = ensureData()) {
            return error;
        }
        skipLineFeed_ = false;
        if (begin_ < end_ && buffer_[begin_] == '\n') {
            ++begin_;
        }
    }
    updateReady();
    return ensureData();
}

std::optional<std::string_view> DataFile::nextItemSlowly() {
    if (error_) {
        return std::nullopt;
    }
    if (auto error = settlePending()) {
        error_ = std::move(error);
        return std::nullopt;
    }
    if (begin_ == end_) {
        // A comma at the very end still ends an item, so an empty one follows it.
        if (std::exchange(itemAfterComma_, false)) {
            itemLine_ = line_;
            itemQuoted_ = false;
            return std::string_view();
        }
        return std::nullopt;
    }
    itemAfterComma_ = false;
    itemLine_ = line_;
    const bool quoted = buffer_[begin_] == '"';
    itemQuoted_ = quoted;
    if (quoted) {
        ++begin_;
    }
    auto at = scanTo(0, quoted, true);
    if (!at) {
        error_ = at.error();
        return std::nullopt;
    }
    std::size_t length = *at - begin_;
    if (length > kMaxItemBytes) {
        length = withoutSplitSequence(buffer_.get() + begin_, kMaxItemBytes);
    }
    const std::string_view item(buffer_.get() + begin_, length);
    if (!quoted) {
        consumeDelimiter(*at);
    } else if (*at >= end_) {
        begin_ = end_;
    } else {
        begin_ = *at + 1;
        dropToDelimiter_ = true;
        updateReady();
    }
    return item;
}

} // namespace icao
