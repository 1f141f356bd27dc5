// SPDX-License-Identifier: MIT
#include "lookup/lookups.h"

#include "lookup/data_file.h"
#include "lookup/record_match.h"
#include "lookup/record_views.h"
#include "lookup/text_views.h"

#include <optional>
#include <string_view>

namespace icao {
namespace {

// Opens the data file, then locks both boxes; a failed open leaves the boxes as they were.
Expected<DataFile> openAndLock(const std::filesystem::path& path, Box& input, Box& output) {
    auto file = DataFile::open(path);
    if (file) {
        input.lock();
        output.lock();
    }
    return file;
}

// The first item from the file's current position that the matcher accepts, or std::nullopt
// at the end of the file. The view is valid while the file is open and not read further.
template <class Matcher>
Expected<std::optional<std::string_view>> firstMatch(DataFile& file, const Matcher& matcher) {
    std::optional<std::string_view> match;
    const auto error = file.forEachItem([&](const FileItem& item) {
        if (matcher.matches(item.bytes)) {
            match = item.bytes;
        }
        return !match;
    });
    if (error) {
        return *error;
    }
    return match;
}

// SEARCH's common course: the key from the input box, the file opened, both boxes locked, the
// first matching item found; then found(item) or missed() writes the answer while the file
// is still open.
template <class Matcher, class Found, class Missed>
Expected<Outcome> search(Box& input, Box& output, const std::filesystem::path& dataFile,
                         Found found, Missed missed,
                         const std::function<void(std::string_view)>& watchBytes = {}) {
    const Matcher matcher(trimSpaces(input.readText()));
    auto file = openAndLock(dataFile, input, output);
    if (!file) {
        return file.error();
    }
    file->watchBytes(watchBytes);
    const auto match = firstMatch(*file, matcher);
    if (!match) {
        return match.error();
    }
    if (!match->has_value()) {
        missed();
        return Outcome::NotFound;
    }
    found(decodeText(**match));
    return Outcome::Found;
}

} // namespace

Expected<Outcome> codeToName(Box& input, Box& output, const std::filesystem::path& dataFile) {
    return codeToNameWatching(input, output, dataFile, {});
}

Expected<Outcome> codeToNameWatching(Box& input, Box& output, const std::filesystem::path& dataFile,
                                     const std::function<void(std::string_view)>& watchBytes) {
    return search<CodeMatcher>(
        input, output, dataFile,
        [&output](const Text& item) {
            for (const Text& field : codeLookupWrites(item)) {
                output.writeText(field);
            }
        },
        [&output] { output.writeText(kCodeNotFound); }, watchBytes);
}

Expected<Outcome> nameToCode(Box& input, Box& output, const std::filesystem::path& dataFile) {
    return search<NameMatcher>(
        input, output, dataFile,
        [&output](const Text& item) { output.writeText(upperCase(codeOf(item))); },
        [&input] { input.writeText(kNameNotFound); });
}

} // namespace icao
