// SPDX-License-Identifier: MIT
#include "lookup/answers.h"

#include "lookup/box.h"
#include "lookup/key_filter.h"

namespace icao {
namespace {

// One SEARCH from empty boxes; shown picks the box that holds the answer afterwards.
template <class Lookup, class Shown>
Expected<Answer> answer(Lookup lookup, const Text& key, KeyEntry entry,
                        const std::filesystem::path& dataFile, Shown shown) {
    MemoryBox input(entry == KeyEntry::Typed ? filterTypedText(key) : key);
    MemoryBox output;
    const auto outcome = lookup(input, output, dataFile);
    if (!outcome) {
        return outcome.error();
    }
    return Answer{*outcome, shown(*outcome, input, output).readText()};
}

} // namespace

Expected<Answer> answerCode(const Text& key, KeyEntry entry, const std::filesystem::path& dataFile,
                            const std::function<void(std::string_view)>& watchBytes) {
    const auto lookup = [&watchBytes](Box& input, Box& output, const std::filesystem::path& file) {
        return codeToNameWatching(input, output, file, watchBytes);
    };
    return answer(lookup, key, entry, dataFile,
                  [](Outcome, MemoryBox&, MemoryBox& output) -> MemoryBox& { return output; });
}

Expected<Answer> answerName(const Text& key, KeyEntry entry,
                            const std::filesystem::path& dataFile) {
    return answer(&nameToCode, key, entry, dataFile,
                  [](Outcome outcome, MemoryBox& input, MemoryBox& output) -> MemoryBox& {
                      return outcome == Outcome::Found ? output : input;
                  });
}

} // namespace icao
