// SPDX-License-Identifier: MIT
#include "search/airports_by_code.h"

#include "lookup/data_file.h"
#include "lookup/record_match.h"

#include <algorithm>

namespace icao {

Expected<std::vector<std::optional<AirportRecord>>>
airportsByCode(const std::vector<Text>& codes, const std::filesystem::path& dataFile) {
    std::vector<CodeMatcher> matchers(codes.begin(), codes.end());
    std::vector<std::optional<AirportRecord>> found(codes.size());
    std::size_t missing = codes.size();
    const auto error = forEachItem(dataFile, [&](const FileItem& item) {
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (!found[i] && matchers[i].matches(item.bytes)) {
                found[i] = AirportRecord::fromItem(decodeText(item.bytes), item.line);
                --missing;
            }
        }
        return missing > 0;
    });
    if (error) {
        return *error;
    }
    return found;
}

} // namespace icao
