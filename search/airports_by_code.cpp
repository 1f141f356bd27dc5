// SPDX-License-Identifier: MIT
#include "search/airports_by_code.h"

#include "lookup/data_file.h"
#include "lookup/record_layout.h"
#include "lookup/record_views.h"
#include "platform/ascii.h"

#include <algorithm>
#include <unordered_map>

namespace icao {

namespace {

// What the code lookup compares with its key: positions 3 to 6, read from the bytes where the
// record's head is ASCII, as it is in UTF-8 and Windows-1252 alike.
Text lookedUpCode(std::string_view item) {
    const std::string_view head = item.substr(0, kCodeStart - 1 + kCodeLength);
    if (!isAscii(head)) {
        return codeOf(decodeText(item));
    }
    const std::string_view code = head.substr(std::min(head.size(), kCodeStart - 1));
    return Text(code.begin(), code.end());
}

} // namespace

Expected<std::vector<std::optional<AirportRecord>>>
airportsByCode(const std::vector<Text>& codes, const std::filesystem::path& dataFile) {
    // Each distinct code once, with the places it was asked at: one look-up an item, however
    // many codes are asked.
    std::unordered_map<Text, std::vector<std::size_t>> asked;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        asked[codes[i]].push_back(i);
    }
    std::vector<std::optional<AirportRecord>> found(codes.size());
    std::size_t missing = asked.size();
    const auto error = forEachItem(dataFile, [&](const FileItem& item) {
        const auto wanted = asked.find(lookedUpCode(item.bytes));
        if (wanted != asked.end() && !wanted->second.empty()) {
            const auto record = AirportRecord::fromItem(decodeText(item.bytes), item.line);
            for (const std::size_t i : wanted->second) {
                found[i] = record;
            }
            wanted->second.clear();
            --missing;
        }
        return missing > 0;
    });
    if (error) {
        return *error;
    }
    return found;
}

} // namespace icao
