// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/lookups.h"
#include "lookup/text.h"
#include "platform/expected.h"

#include <filesystem>

namespace icao {

enum class KeyEntry { Typed, Pasted };

// A lookup's answer as a window shows it after one SEARCH from empty boxes: the text of the
// box that receives the result (the output box, or the input box for a name-to-code miss).
struct Answer {
    Outcome outcome;
    Text shown;
};

// With watchBytes, as codeToNameWatching shows the bytes it reads.
Expected<Answer> answerCode(const Text& key, KeyEntry entry, const std::filesystem::path& dataFile,
                            const std::function<void(std::string_view)>& watchBytes = {});
Expected<Answer> answerName(const Text& key, KeyEntry entry, const std::filesystem::path& dataFile);

} // namespace icao
