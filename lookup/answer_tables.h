// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/answers.h"
#include "platform/expected.h"

#include <filesystem>
#include <unordered_map>

namespace icao {

// Many code-to-name lookups over one reading of the data file. Each answer equals the one
// answerCode gives for the same key: the first matching item wins, whatever it holds.
class CodeAnswers {
  public:
    static Expected<CodeAnswers> load(const std::filesystem::path& dataFile);
    Answer answer(const Text& key, KeyEntry entry) const;

  private:
    // Positions 3 to 6 of each item, to what the output box shows after matching it.
    std::unordered_map<Text, Text> shownByCode_;
};

// Many name-to-code lookups over one reading of the data file, answering as answerName does.
class NameAnswers {
  public:
    static Expected<NameAnswers> load(const std::filesystem::path& dataFile);
    // Keys holding "|" can match across fields, so those are looked up by a scan.
    Expected<Answer> answer(const Text& key, KeyEntry entry) const;

  private:
    std::filesystem::path dataFile_;
    std::unordered_map<Text, Text> codeByName_;
};

} // namespace icao
