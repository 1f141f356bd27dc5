// SPDX-License-Identifier: MIT
#include "cli/key_loop.h"

#include "cli/commands.h"
#include "lookup/text.h"
#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <optional>

namespace {

// The lines of standard input, read in blocks; a line past kMaxKeyLineBytes is skipped to its
// end, so that no input makes a key grow without bound.
class KeyLines {
  public:
    enum class Read { Line, TooLong, End, Failed };

    Read next(std::string& line) {
        line.clear();
        bool tooLong = false;
        bool any = false;
        for (;;) {
            if (begin_ == end_ && !refill()) {
                if (failure_) {
                    return Read::Failed;
                }
                return !any ? Read::End : tooLong ? Read::TooLong : Read::Line;
            }
            any = true;
            const char* from = block_.data() + begin_;
            const char* to = block_.data() + end_;
            const char* lineEnd = std::find(from, to, '\n');
            const auto room = kMaxKeyLineBytes - std::min(kMaxKeyLineBytes, line.size());
            const auto length = static_cast<std::size_t>(lineEnd - from);
            line.append(from, std::min(length, room));
            tooLong = tooLong || length > room;
            begin_ += length;
            if (lineEnd != to) {
                ++begin_;
                return tooLong ? Read::TooLong : Read::Line;
            }
        }
    }

    const icao::FileError& failure() const { return *failure_; }

  private:
    bool refill() {
        auto count = icao::platform::readStandardInput(block_.data(), block_.size());
        if (!count) {
            failure_ = count.error();
            return false;
        }
        begin_ = 0;
        end_ = *count;
        return end_ > 0;
    }

    std::array<char, 64 * 1024> block_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::optional<icao::FileError> failure_;
};

} // namespace

int answerEachKey(
    Printer& printer, const std::vector<Column>& columns,
    const std::function<icao::Expected<KeyedAnswer>(const std::string& key)>& answer) {
    printer.startKeyed(columns);
    KeyLines lines;
    std::optional<icao::FileError> error;
    bool refused = false;
    bool allFound = true;
    std::string line;
    for (std::size_t number = 1;; ++number) {
        const KeyLines::Read read = lines.next(line);
        if (read == KeyLines::Read::End) {
            break;
        }
        if (read == KeyLines::Read::Failed) {
            return reportError(lines.failure());
        }
        if (read == KeyLines::Read::TooLong) {
            warn("line " + std::to_string(number) + " of standard input holds more than " +
                 std::to_string(kMaxKeyLineBytes) + " bytes; it is skipped");
            refused = true;
            continue;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (number == 1) {
            line.erase(0, line.size() - icao::withoutByteOrderMark(line).size());
        }
        auto keyed = answer(line);
        if (!keyed) {
            error = error.value_or(keyed.error());
            allFound = false;
            continue;
        }
        allFound = keyed->found && allFound;
        printer.keyed(line, keyed->summary, keyed->cells);
        // After a failed write nothing more can reach the reader; the caller reports it.
        if (!std::cout) {
            return kExitError;
        }
    }
    if (error) {
        return reportError(*error);
    }
    return refused ? kExitError : exitFor(allFound);
}
