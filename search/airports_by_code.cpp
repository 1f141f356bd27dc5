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

// What the code lookup compares with its key, positions 3 to 6, as bytes where the record's
// head is ASCII, as it is in UTF-8 and Windows-1252 alike; none where it must be decoded.
std::optional<std::string_view> asciiCode(std::string_view item) {
    const std::string_view head = item.substr(0, kCodeStart - 1 + kCodeLength);
    if (!isAscii(head)) {
        return std::nullopt;
    }
    return head.substr(std::min(head.size(), kCodeStart - 1));
}

Text lookedUpCode(std::string_view item) {
    const auto ascii = asciiCode(item);
    return ascii ? Text(ascii->begin(), ascii->end()) : codeOf(decodeText(item));
}

// Whether the code lookup finds the item for this code, without making its code a text.
bool namesCode(std::string_view item, const Text& code) {
    const auto ascii = asciiCode(item);
    if (!ascii) {
        return codeOf(decodeText(item)) == code;
    }
    return std::equal(
        ascii->begin(), ascii->end(), code.begin(), code.end(), [](char byte, char32_t character) {
            return static_cast<char32_t>(static_cast<unsigned char>(byte)) == character;
        });
}

// Calls visit with each former code an item's record gives. A code is ASCII, the same in
// UTF-8 and Windows-1252, so the bytes need no decoding; a word that is not ASCII is no code.
template <class Visit> void forEachFormerCode(std::string_view item, Visit visit) {
    const std::string_view field = fieldAt(item, RecordField::FormerCodes);
    for (std::size_t start = 0; start < field.size();) {
        const std::size_t end = std::min(field.find(' ', start), field.size());
        const std::string_view code = field.substr(start, end - start);
        if (!code.empty() && isAscii(code)) {
            visit(Text(code.begin(), code.end()));
        }
        start = end + 1;
    }
}

} // namespace

Expected<std::vector<std::optional<AirportRecord>>>
airportsByCode(const std::vector<Text>& codes, const std::filesystem::path& dataFile) {
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
    std::vector<std::optional<AirportRecord>> found(codes.size());
    std::size_t missing = asked.size();
    const auto keep = [&found](Asked& wanted, const FileItem& item) {
        const auto record = AirportRecord::fromItem(item.bytes, item.line);
        for (const std::size_t i : wanted.at) {
            found[i] = record;
        }
    };
    const auto error = forEachItem(dataFile, [&](const FileItem& item) {
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

std::optional<AirportRecord> airportByCode(const Text& code, const AirportIndex& index) {
    std::optional<AirportRecord> found;
    std::optional<AirportRecord> formerly;
    index.visitItems([&](const StoredItem& item) {
        if (namesCode(item.bytes, code)) {
            found = AirportRecord::fromItem(item.bytes, item.line);
        } else if (!formerly) {
            forEachFormerCode(item.bytes, [&](const Text& former) {
                if (former == code && !formerly) {
                    formerly = AirportRecord::fromItem(item.bytes, item.line);
                }
            });
        }
        return !found;
    });
    return found ? found : formerly;
}

AirportsByCodeTable::AirportsByCodeTable(const AirportIndex& index) {
    index.visitItems([this](const StoredItem& item) {
        current_.try_emplace(lookedUpCode(item.bytes), item);
        forEachFormerCode(item.bytes, [&](const Text& code) { former_.try_emplace(code, item); });
        return true;
    });
}

std::optional<StoredItem> AirportsByCodeTable::itemOf(const Text& code) const {
    auto found = current_.find(code);
    if (found == current_.end()) {
        found = former_.find(code);
        if (found == former_.end()) {
            return std::nullopt;
        }
    }
    return found->second;
}

std::optional<AirportRecord> AirportsByCodeTable::find(const Text& code) const {
    const auto item = itemOf(code);
    if (!item) {
        return std::nullopt;
    }
    return AirportRecord::fromItem(item->bytes, item->line);
}

} // namespace icao
