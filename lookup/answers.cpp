#include "lookup/answers.h"

#include "lookup/box.h"
#include "lookup/key_filter.h"

namespace icao {
namespace {

Text entered(const Text& key, KeyEntry entry) {
    return entry == KeyEntry::Typed ? filterTypedText(key) : key;
}

} // namespace

Expected<Answer> answerCode(const Text& key, KeyEntry entry,
                            const std::filesystem::path& dataFile) {
    MemoryBox input(entered(key, entry));
    MemoryBox output;
    const auto outcome = codeToName(input, output, dataFile);
    if (!outcome) {
        return outcome.error();
    }
    return Answer{*outcome, output.readText()};
}

Expected<Answer> answerName(const Text& key, KeyEntry entry,
                            const std::filesystem::path& dataFile) {
    MemoryBox input(entered(key, entry));
    MemoryBox output;
    const auto outcome = nameToCode(input, output, dataFile);
    if (!outcome) {
        return outcome.error();
    }
    return Answer{*outcome, *outcome == Outcome::Found ? output.readText() : input.readText()};
}

} // namespace icao
