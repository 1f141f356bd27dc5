// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/record_layout.h"
#include "lookup/text.h"
#include "platform/ascii.h"
#include "search/stored_item.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace icao {

// The code the code lookup compares with its key in an item, its positions 3 to 6.
Text lookedUpCode(std::string_view item);

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

// Items by their codes, added in file order: a code answers as the code lookup finds it, the
// first item whose positions 3 to 6 are the code, else the first that gives it as a former
// code. Valid while the items' bytes are.
class CodeTable {
  public:
    void add(const StoredItem& item);
    std::optional<StoredItem> find(const Text& code) const;

  private:
    std::unordered_map<Text, StoredItem> current_;
    std::unordered_map<Text, StoredItem> former_;
};

} // namespace icao
