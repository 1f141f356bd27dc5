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
    while (const auto item = file.nextItem()) {
        if (matcher.matches(*item)) {
            return item;
        }
    }
    if (file.error()) {
        return *file.error();
    }
    return std::optional<std::string_view>();
}

} // namespace

Expected<Outcome> codeToName(Box& input, Box& output, const std::filesystem::path& dataFile) {
    const CodeMatcher matcher(trimSpaces(input.readText()));
    auto file = openAndLock(dataFile, input, output);
    if (!file) {
        return file.error();
    }
    const auto match = firstMatch(*file, matcher);
    if (!match) {
        return match.error();
    }
    if (!match->has_value()) {
        output.writeText(kCodeNotFound);
        return Outcome::NotFound;
    }
    for (const Text& field : codeLookupWrites(decodeText(**match))) {
        output.writeText(field);
    }
    return Outcome::Found;
}

Expected<Outcome> nameToCode(Box& input, Box& output, const std::filesystem::path& dataFile) {
    const NameMatcher matcher(trimSpaces(input.readText()));
    auto file = openAndLock(dataFile, input, output);
    if (!file) {
        return file.error();
    }
    const auto match = firstMatch(*file, matcher);
    if (!match) {
        return match.error();
    }
    if (!match->has_value()) {
        input.writeText(kNameNotFound);
        return Outcome::NotFound;
    }
    output.writeText(upperCase(codeOf(decodeText(**match))));
    return Outcome::Found;
}

} // namespace icao
