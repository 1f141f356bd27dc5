#pragma once

#include "lookup/expected.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace icao {

inline constexpr std::string_view kDataFileName = "airports.txt";

// The one data file of a folder: the program passes its own folder, tests a temporary one.
std::filesystem::path dataFilePath(const std::filesystem::path& folder);

// Yes only when an ordinary file stands at the data file path; opens and reads nothing.
bool dataFileCheck(const std::filesystem::path& folder);

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

    // Fails without blocking when the path is missing, unreadable or not an ordinary file.
    static Expected<DataFile> open(const std::filesystem::path& path);

    DataFile(DataFile&& other) noexcept;
    DataFile& operator=(DataFile&& other) noexcept;
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
    ~DataFile();

    // The next item's bytes, valid until the next call; std::nullopt once every item was read.
    Expected<std::optional<std::string_view>> nextItem();

    const std::filesystem::path& path() const { return path_; }

  private:
    DataFile(std::filesystem::path path, int descriptor);

    std::optional<FileError> refill();
    std::optional<FileError> settlePending();
    Expected<std::size_t> scanTo(std::size_t scanned, bool quoted, bool keep);
    void consumeDelimiter(std::size_t at);
    void close() noexcept;

    std::filesystem::path path_;
    int descriptor_ = -1;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEndOfFile_ = false;
    bool started_ = false;
    bool itemAfterComma_ = false;
    bool skipLineFeed_ = false;
    bool dropToDelimiter_ = false;
};

} // namespace icao
