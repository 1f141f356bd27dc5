// SPDX-License-Identifier: MIT
#include "search/code_table.h"

#include "lookup/record_views.h"

namespace icao {

Text lookedUpCode(std::string_view item) {
    // Where the record's head is ASCII, as it is in UTF-8 and Windows-1252 alike, its bytes
    // are its characters; otherwise it must be decoded.
    const std::string_view head = item.substr(0, kCodeStart - 1 + kCodeLength);
    if (!isAscii(head)) {
        return codeOf(decodeText(item));
    }
    const std::string_view code = head.substr(std::min(head.size(), kCodeStart - 1));
    return Text(code.begin(), code.end());
}

void CodeTable::add(const StoredItem& item) {
    current_.try_emplace(lookedUpCode(item.bytes), item);
    forEachFormerCode(item.bytes, [&](const Text& code) { former_.try_emplace(code, item); });
}

std::optional<StoredItem> CodeTable::find(const Text& code) const {
    auto found = current_.find(code);
    if (found == current_.end()) {
        found = former_.find(code);
        if (found == former_.end()) {
            return std::nullopt;
        }
    }
    return found->second;
}

} // namespace icao
