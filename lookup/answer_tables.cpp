// SPDX-License-Identifier: MIT
#include "lookup/answer_tables.h"

#include "lookup/data_file.h"
#include "lookup/key_filter.h"
#include "lookup/record_layout.h"
#include "lookup/record_views.h"
#include "lookup/text_views.h"

namespace icao {
namespace {

Text searchKey(const Text& key, KeyEntry entry) {
    return trimSpaces(entry == KeyEntry::Typed ? filterTypedText(key) : key);
}

} // namespace

Expected<CodeAnswers> CodeAnswers::load(const std::filesystem::path& dataFile) {
    CodeAnswers answers;
    const auto error = forEachItem(dataFile, [&answers](const FileItem& fileItem) {
        const Text item = decodeText(fileItem.bytes);
        const Text code = codeOf(item);
        if (!answers.shownByCode_.contains(code)) {
            const std::vector<Text> writes = codeLookupWrites(item);
            answers.shownByCode_.emplace(code, writes.empty() ? Text() : writes.back());
        }
    });
    if (error) {
        return *error;
    }
    return answers;
}

Answer CodeAnswers::answer(const Text& key, KeyEntry entry) const {
    const auto found = shownByCode_.find(searchKey(key, entry));
    if (found == shownByCode_.end()) {
        return Answer{Outcome::NotFound, kCodeNotFound};
    }
    return Answer{Outcome::Found, found->second};
}

Expected<NameAnswers> NameAnswers::load(const std::filesystem::path& dataFile) {
    NameAnswers answers;
    answers.dataFile_ = dataFile;
    const auto error = forEachItem(dataFile, [&answers](const FileItem& fileItem) {
        const Text item = decodeText(fileItem.bytes);
        if (auto name = nameKeyOf(item)) {
            answers.codeByName_.emplace(std::move(*name), upperCase(codeOf(item)));
        }
    });
    if (error) {
        return *error;
    }
    return answers;
}

Expected<Answer> NameAnswers::answer(const Text& key, KeyEntry entry) const {
    const Text searched = searchKey(key, entry);
    if (searched.find(kSeparator) != Text::npos) {
        return answerName(key, entry, dataFile_);
    }
    const auto found = codeByName_.find(searched);
    if (found == codeByName_.end()) {
        return Answer{Outcome::NotFound, kNameNotFound};
    }
    return Answer{Outcome::Found, found->second};
}

} // namespace icao
