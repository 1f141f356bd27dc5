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

FormerCodeWatch::FormerCodeWatch(const Text& code) : code_(toUtf8(code)) {
    // A code that is not ASCII, or is empty, is left to the whole reading.
    if (code_.empty() || !isAscii(code_)) {
        seen_ = true;
        return;
    }
    const std::string lowered = loweredAscii(code_);
    lowered_ = {"|" + lowered, " " + lowered};
}

bool FormerCodeWatch::endsWord(char c) {
    return c == '|' || c == ' ' || c == '\n' || c == '\r';
}

void FormerCodeWatch::seeExactly(std::string_view bytes, std::size_t startsBefore) {
    for (const char before : {'|', ' '}) {
        const std::string exact = before + code_;
        for (std::size_t at = bytes.find(exact); at != std::string_view::npos && at < startsBefore;
             at = bytes.find(exact, at + 1)) {
            const std::size_t next = at + exact.size();
            if (next == bytes.size()) {
                endsAtEdge_ = true;
            } else if (endsWord(bytes[next])) {
                seen_ = true;
                return;
            }
        }
    }
}

void FormerCodeWatch::see(std::string_view bytes) {
    if (seen_ || bytes.empty()) {
        return;
    }
    // A code that ended the bytes before is a word if these go on with a word's end.
    if (endsAtEdge_) {
        endsAtEdge_ = false;
        if (endsWord(bytes.front())) {
            seen_ = true;
            return;
        }
    }
    // A code cut between the bytes before and these.
    const std::size_t needle = code_.size() + 1;
    if (!carried_.empty()) {
        const std::string joined = carried_ + std::string(bytes.substr(0, needle));
        seeExactly(joined, carried_.size());
    }
    // The vector kernel rules out the bytes at once (matching letters of either case: never
    // wrongly); bytes it does not are searched exactly, once for both needles.
    const auto mayHold = [bytes](const std::string& lowered) {
        return kernels::holdsLowered(bytes, lowered, false);
    };
    if (!seen_ && std::any_of(lowered_.begin(), lowered_.end(), mayHold)) {
        seeExactly(bytes, bytes.size());
    }
    // Runs shorter than a code add to what was carried.
    carried_ += bytes.substr(bytes.size() - std::min(needle - 1, bytes.size()));
    carried_.erase(0, carried_.size() - std::min(needle - 1, carried_.size()));
}

} // namespace icao
