// SPDX-License-Identifier: MIT
#include "search/airports_by_code.h"

#include "platform/ascii.h"
#include "platform/kernels.h"
#include "platform/platform.h"
#include "search/code_table.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace icao {

Expected<std::vector<std::optional<AirportRecord>>> airportsByCode(const std::vector<Text>& codes,
                                                                   const RecordSource& source) {
    std::vector<std::optional<AirportRecord>> found(codes.size());
    if (const AirportIndex* held = source.held()) {
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (const auto item = held->itemByCode(codes[i])) {
                found[i] = AirportRecord::fromItem(item->bytes, item->line);
            }
        }
        return found;
    }
    // Each distinct code once, with the places it was asked at: one look-up an item, however
    // many codes are asked.
    struct Asked {
        std::vector<std::size_t> at;
        bool current = false;
        bool former = false;
    };
    std::unordered_map<Text, Asked> asked;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        asked[codes[i]].at.push_back(i);
    }
    std::size_t missing = asked.size();
    const auto keep = [&found](Asked& wanted, const StoredItem& item) {
        const auto record = AirportRecord::fromItem(item.bytes, item.line);
        for (const std::size_t i : wanted.at) {
            found[i] = record;
        }
    };
    const auto error = source.visitItems([&](const StoredItem& item) {
        const auto wanted = asked.find(lookedUpCode(item.bytes));
        if (wanted != asked.end() && !wanted->second.current) {
            keep(wanted->second, item);
            wanted->second.current = true;
            --missing;
        }
        // A code no record holds now may be a former code: the first record that had it
        // answers, unless a later one holds it now.
        forEachFormerCode(item.bytes, [&](const Text& code) {
            const auto formerly = asked.find(code);
            if (formerly != asked.end() && !formerly->second.current && !formerly->second.former) {
                keep(formerly->second, item);
                formerly->second.former = true;
            }
        });
        return missing > 0;
    });
    if (error) {
        return *error;
    }
    return found;
}

Expected<bool> mayGiveFormerCode(const Text& code, const std::filesystem::path& dataFile) {
    const std::string bytes = toUtf8(code);
    // A code that is not ASCII, or is empty, is left to the whole reading.
    if (bytes.empty() || !isAscii(bytes)) {
        return true;
    }
    auto file = platform::ReadOnlyFile::open(dataFile);
    if (!file) {
        return file.error();
    }
    // A former code is a word of its field: after a "|" or a space. The vector kernel rules out
    // a block at once (matching letters of either case, a few bytes more than "|" and space:
    // never wrongly); a block it does not is searched exactly.
    const std::string lowered = loweredAscii(bytes);
    const std::string afterBar = "|" + lowered;
    const std::string afterSpace = " " + lowered;
    const auto after = [](char c) { return c == '|' || c == ' ' || c == '\n' || c == '\r'; };
    // Each block holds the last bytes of the one before, so that no code is cut between two.
    const std::size_t kept = bytes.size() + 1;
    std::vector<char> block(1 << 20);
    std::size_t filled = 0;
    for (;;) {
        const auto read = file->read(block.data() + filled, block.size() - filled);
        if (!read) {
            return read.error();
        }
        const bool atEnd = *read == 0;
        filled += *read;
        const std::string_view view(block.data(), filled);
        for (const std::string& needle : {afterBar, afterSpace}) {
            if (!kernels::holdsLowered(view, needle, false)) {
                continue;
            }
            const std::string exact = needle.front() + bytes;
            for (std::size_t at = view.find(exact); at != std::string_view::npos;
                 at = view.find(exact, at + 1)) {
                const std::size_t next = at + exact.size();
                if (next == view.size() ? atEnd : after(view[next])) {
                    return true;
                }
            }
        }
        if (atEnd) {
            return false;
        }
        const std::size_t carried = std::min(kept, filled);
        std::memmove(block.data(), block.data() + filled - carried, carried);
        filled = carried;
    }
}

} // namespace icao
