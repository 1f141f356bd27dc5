// SPDX-License-Identifier: MIT
// libFuzzer harness: arbitrary bytes as the data file and arbitrary keys, through the item
// reader, the record comparisons, both lookups, find, a map of its hits and the checker.
//
// Input: one byte for the key's length, one for the read block size (and the find limit), the
// key, then the file.
// Every comparison made on raw bytes is held against the same comparison made on the decoded
// text, and every item against a plain reading of the same rules.

#include "lookup/box.h"
#include "lookup/data_audit.h"
#include "lookup/data_file.h"
#include "lookup/lookups.h"
#include "lookup/record_layout.h"
#include "lookup/record_match.h"
#include "lookup/record_views.h"
#include "lookup/text_views.h"
#include "map/neighbourhood_map.h"
#include "map/svg_writer.h"
#include "search/airports_by_code.h"
#include "search/find.h"
#include "support/find_oracle.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_lookup: %s\n", what);
        std::abort();
    }
}

// The item rules read straight off the bytes, with no buffering to go wrong.
std::vector<std::string> plainItems(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    std::vector<std::string> items;
    std::size_t at = 0;
    bool afterComma = false;
    const auto isEnd = [](char c) { return c == ',' || c == '\n' || c == '\r'; };
    const auto consume = [&](std::size_t delimiter) {
        afterComma = delimiter < bytes.size() && bytes[delimiter] == ',';
        at = delimiter + 1;
        if (delimiter < bytes.size() && bytes[delimiter] == '\r' && at < bytes.size() &&
            bytes[at] == '\n') {
            ++at;
        }
    };
    for (;;) {
        if (at >= bytes.size()) {
            if (afterComma) {
                items.emplace_back();
            }
            return items;
        }
        std::size_t end = at;
        if (bytes[at] == '"') {
            const std::size_t close = bytes.find('"', at + 1);
            const std::size_t stop = close == std::string_view::npos ? bytes.size() : close;
            items.emplace_back(bytes.substr(at + 1, stop - at - 1));
            end = stop == bytes.size() ? stop : stop + 1;
        } else {
            items.emplace_back();
        }
        while (end < bytes.size() && !isEnd(bytes[end])) {
            ++end;
        }
        if (bytes[at] != '"') {
            items.back() = std::string(bytes.substr(at, end - at));
        }
        consume(end);
    }
}

// Whether the record gives the code among its former codes: the words of its field, read
// plainly off the decoded text; only an ASCII word is a code.
bool hadCode(const icao::Text& text, const icao::Text& code) {
    std::size_t start = 0;
    for (std::size_t field = 0; field < static_cast<std::size_t>(icao::RecordField::FormerCodes);
         ++field) {
        start = text.find(U'|', start);
        if (start == icao::Text::npos) {
            return false;
        }
        ++start;
    }
    const icao::Text field = text.substr(start, text.find(U'|', start) - start);
    std::size_t at = 0;
    while (at <= field.size()) {
        const std::size_t end = std::min(field.find(U' ', at), field.size());
        const icao::Text word = field.substr(at, end - at);
        if (!word.empty() && word == code &&
            std::all_of(word.begin(), word.end(), [](char32_t c) { return c < 0x80; })) {
            return true;
        }
        at = end + 1;
    }
    return false;
}

// Whether the text parses as XML to its end.
bool wellFormed(const std::string& svg) {
    QXmlStreamReader reader(QByteArray::fromStdString(svg));
    while (!reader.atEnd()) {
        reader.readNext();
    }
    return !reader.hasError();
}

// The hits drawn as a map around the first, the key its title, with no land: whatever their
// names and codes hold, the picture is well-formed XML.
bool drawsWellFormed(const icao::FindResult& found, const icao::Text& key) {
    if (found.hits.empty()) {
        return true;
    }
    icao::Neighbourhood neighbourhood{
        icao::markedAirfieldOf(found.hits.front().item.record()), {}, true, icao::toUtf8(key)};
    for (std::size_t i = 1; i < found.hits.size(); ++i) {
        neighbourhood.neighbours.push_back(icao::markedAirfieldOf(found.hits[i].item.record()));
    }
    const icao::MapView view = icao::neighbourhoodView(neighbourhood);
    return wellFormed(icao::svgOf(icao::neighbourhoodDrawing(neighbourhood, icao::World{}, view,
                                                             icao::DistanceUnit::Kilometre)));
}

int dataFileDescriptor() {
    static const int descriptor = memfd_create("airports.txt", 0);
    return descriptor;
}

// Hits and suggestions as line:rank, to compare two finds.
std::vector<std::pair<std::size_t, int>> outline(const icao::FindResult& result) {
    std::vector<std::pair<std::size_t, int>> lines;
    for (const auto& hit : result.hits) {
        lines.emplace_back(hit.item.line, static_cast<int>(hit.rank));
    }
    for (const auto& record : result.suggestions) {
        lines.emplace_back(record.line, -1);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t keyLength = std::min<std::size_t>(data[0], size - 2);
    const std::size_t readBlock = 1 + data[1] % 32;
    const std::string_view keyBytes(reinterpret_cast<const char*>(data) + 2, keyLength);
    const std::string_view content(reinterpret_cast<const char*>(data) + 2 + keyLength,
                                   size - 2 - keyLength);

    const int descriptor = dataFileDescriptor();
    require(::ftruncate(descriptor, 0) == 0, "cannot empty the data file");
    require(::pwrite(descriptor, content.data(), content.size(), 0) ==
                static_cast<ssize_t>(content.size()),
            "cannot write the data file");
    const std::filesystem::path path = "/proc/self/fd/" + std::to_string(descriptor);

    const icao::Text key = icao::trimSpaces(icao::decodeText(keyBytes));
    const icao::CodeMatcher codeMatcher(key);
    const icao::NameMatcher nameMatcher(key);
    std::optional<icao::Text> firstCodeMatch;
    std::size_t firstCodeLine = 0;
    std::optional<std::size_t> firstFormerLine;
    std::optional<icao::Text> firstNameMatch;

    auto file = icao::DataFile::open(path, readBlock);
    require(file.hasValue(), "the data file does not open");
    const std::vector<std::string> expected = plainItems(content);
    std::size_t index = 0;
    std::size_t lastLine = 0;
    while (const auto item = file->nextItem()) {
        require(index < expected.size() && *item == expected[index], "items differ");
        require(file->line() >= lastLine && file->line() >= 1, "lines go backwards");
        lastLine = file->line();
        ++index;
        const icao::Text text = icao::decodeText(*item);
        const bool codeMatches = icao::codeOf(text) == key;
        require(codeMatcher.matches(*item) == codeMatches, "code comparison differs");
        const bool nameMatches =
            icao::upperCase(icao::substringByPosition(text, 8, key.size())) == key &&
            icao::substringByPosition(text, 8 + key.size(), 1) == U"|";
        require(nameMatcher.matches(*item) == nameMatches, "name comparison differs");
        if (key.find(U'|') == icao::Text::npos) {
            require(nameMatches == (icao::nameKeyOf(text) == key), "name key differs");
        }
        if (codeMatches && !firstCodeMatch) {
            firstCodeLine = file->line();
            const auto writes = icao::codeLookupWrites(text);
            firstCodeMatch = writes.empty() ? U"before" : writes.back();
        }
        if (!firstFormerLine && hadCode(text, key)) {
            firstFormerLine = file->line();
        }
        if (nameMatches && !firstNameMatch) {
            firstNameMatch = icao::upperCase(icao::codeOf(text));
        }
    }
    require(!file->error() && index == expected.size(), "items are missing");

    icao::MemoryBox input(key);
    icao::MemoryBox output(U"before");
    const auto code = icao::codeToName(input, output, path);
    require(code.hasValue() && input.locked() && output.locked(), "code lookup failed");
    require(output.readText() == firstCodeMatch.value_or(icao::kCodeNotFound),
            "code lookup answers otherwise");

    // Routes and near find an airfield by its code as the code lookup does, else by a former
    // code, from the file and from the records in memory alike.
    const std::optional<std::size_t> codeLine =
        firstCodeMatch ? std::optional(firstCodeLine) : firstFormerLine;
    const auto byCode = icao::airportsByCode({key, key}, path);
    require(byCode.hasValue() && byCode->size() == 2, "codes are not looked up");
    for (const auto& record : *byCode) {
        require(record ? codeLine == record->line : !codeLine, "a code is looked up otherwise");
    }

    icao::MemoryBox nameInput(key);
    icao::MemoryBox nameOutput;
    const auto name = icao::nameToCode(nameInput, nameOutput, path);
    require(name.hasValue(), "name lookup failed");
    require(firstNameMatch ? nameOutput.readText() == *firstNameMatch
                           : nameInput.readText() == icao::kNameNotFound,
            "name lookup answers otherwise");

    // The scan and the index take shortcuts; the oracle folds and ranks every record.
    const std::size_t limit = 1 + data[1] / 32;
    const auto expectedFind = outline(oracle::find(key, limit, path));
    const auto found = icao::findAirports(key, limit, path);
    auto airports = icao::AirportIndex::load(path);
    require(found.hasValue() && airports.hasValue(), "find failed");
    require(outline(*found) == expectedFind, "the scan's find answers otherwise");
    require(drawsWellFormed(*found, key), "a map of the hits is not well-formed XML");
    require(outline(airports->find(key, limit)) == expectedFind,
            "the index's find answers otherwise");
    // The index keeps no record too short to hold a code, so it answers no empty code.
    if (!key.empty()) {
        const auto inMemory = icao::airportsByCode({key}, *airports)->front();
        require(inMemory ? codeLine == inMemory->line : !codeLine,
                "the index looks a code up otherwise");
    }

    const auto report = icao::auditDataFile(path);
    require(report.hasValue() && report->items == expected.size(), "the check fails");
    return 0;
}
