// SPDX-License-Identifier: MIT
#include "lookup/data_audit.h"

#include "lookup/data_file.h"
#include "lookup/record_layout.h"
#include "lookup/record_views.h"
#include "lookup/text_views.h"

#include <optional>
#include <set>
#include <unordered_map>

namespace icao {
namespace {

constexpr std::size_t kQuotedCharacters = 60;

// Text in double quotes for a one-line report: control characters are written as escapes.
std::string quoted(const Text& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kQuotedCharacters; ++i) {
        const char32_t character = text[i];
        if (character == U'\n') {
            out += "\\n";
        } else if (character == U'\r') {
            out += "\\r";
        } else if (character < 0x20 || character == 0x7F) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[character >> 4];
            out += kHex[character & 0xF];
        } else {
            out += toUtf8(Text(1, character));
        }
    }
    return out + (text.size() > kQuotedCharacters ? "...\"" : "\"");
}

struct AuditedItem {
    Text text;
    bool quotedItem;
    bool utf8;
};

// What the two lookups make of an item, in words.
std::string whatTheLookupsSee(const AuditedItem& item) {
    const std::vector<Text> writes = codeLookupWrites(item.text);
    std::string seen = "by code " + quoted(codeOf(item.text)) + " it shows " +
                       (writes.empty() ? std::string("nothing") : quoted(writes.back()));
    const auto nameKey = nameKeyOf(item.text);
    seen +=
        nameKey ? ", by name it is found as " + quoted(*nameKey) : ", by name it is never found";
    return seen;
}

class Auditor {
  public:
    void add(std::size_t line, AuditedItem item) {
        if (!pending_.empty() && line != pendingLine_) {
            flushLine();
        }
        pendingLine_ = line;
        pending_.push_back(std::move(item));
        ++report_.items;
    }

    AuditReport finish() {
        flushLine();
        return std::move(report_);
    }

  private:
    void note(std::string reason) { report_.findings.push_back({pendingLine_, std::move(reason)}); }

    void flushLine() {
        if (pending_.empty()) {
            return;
        }
        const AuditedItem& head = pending_.front();
        if (pending_.size() > 1) {
            note("a comma splits the line into " + std::to_string(pending_.size()) +
                 " items; of the first, " + whatTheLookupsSee(head) +
                 ", and the rest is read as further items");
        }
        if (head.quotedItem) {
            note("a double quote at the start makes the item run to the next double quote; " +
                 whatTheLookupsSee(head));
        }
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            checkItem(pending_[i], i == 0);
        }
        pending_.clear();
    }

    void checkItem(const AuditedItem& item, bool startsTheLine) {
        const Text& text = item.text;
        const Text code = codeOf(text);
        const auto nameKey = nameKeyOf(text);
        if (code.empty() && !emptyCodeFound_) {
            emptyCodeFound_ = true;
            if (startsTheLine) {
                note(std::string(text.empty() ? "blank line" : "item of at most two characters") +
                     ": an empty code search finds it");
            }
        } else if (text.empty() && startsTheLine && !item.quotedItem) {
            note("blank line");
        }
        if (startsTheLine && !text.empty()) {
            checkLayout(item, code, nameKey);
            checkEarlierUse(code, codes_, "code", "shown by code");
            if (nameKey && checkEarlierUse(*nameKey, names_, "name", "found by name") &&
                nameKey->empty()) {
                note("the name lookup reads an empty name here, so an empty name search finds "
                     "this record");
            }
        } else {
            codes_.emplace(code, pendingLine_);
            if (nameKey) {
                names_.emplace(*nameKey, pendingLine_);
            }
        }
        if (!item.utf8) {
            note("not valid UTF-8, so it is read as Windows-1252: " + quoted(text));
        }
    }

    void checkLayout(const AuditedItem& item, const Text& code,
                     const std::optional<Text>& nameKey) {
        const Text& text = item.text;
        const auto at = [&text](std::size_t position) {
            return position <= text.size() ? text[position - 1] : U'\0';
        };
        if (at(1) == kSeparator || at(kCodeStart - 1) != kSeparator) {
            note("the record marker is not one character followed by \"|\", so the code "
                 "lookup compares " +
                 quoted(code));
        }
        if (code.size() != kCodeLength || code.find(kSeparator) != Text::npos ||
            at(kNameStart - 1) != kSeparator) {
            note("the code is not four characters followed by \"|\": the code lookup compares " +
                 quoted(code));
        } else if (upperCase(code) != code) {
            note("the code " + quoted(code) + " is not upper case, so no typed code finds it");
        }
        if (!nameKey) {
            note("no \"|\" follows the name, so the name lookup never finds it");
        }
    }

    // Notes a key that an earlier item already holds; yields whether this is the first.
    bool checkEarlierUse(const Text& key, std::unordered_map<Text, std::size_t>& seen,
                         const char* what, const char* lost) {
        const auto [earlier, first] = seen.emplace(key, pendingLine_);
        if (!first) {
            note(std::string("the ") + what + " " + quoted(key) + " is already used on line " +
                 std::to_string(earlier->second) + ", so this record is never " + lost);
        }
        return first;
    }

    AuditReport report_;
    std::vector<AuditedItem> pending_;
    std::size_t pendingLine_ = 0;
    std::unordered_map<Text, std::size_t> codes_;
    std::unordered_map<Text, std::size_t> names_;
    bool emptyCodeFound_ = false;
};

} // namespace

std::string AuditReport::summary() const {
    std::set<std::size_t> linesWithFindings;
    for (const AuditFinding& finding : findings) {
        linesWithFindings.insert(finding.line);
    }
    std::string text = std::to_string(items) + " items read: ";
    if (findings.empty()) {
        return text + "no problems found";
    }
    return text + std::to_string(findings.size()) + " problems on " +
           std::to_string(linesWithFindings.size()) + " lines";
}

Expected<AuditReport> auditDataFile(const std::filesystem::path& path) {
    Auditor auditor;
    const auto error = forEachItem(path, [&auditor](const FileItem& item) {
        auditor.add(item.line,
                    AuditedItem{decodeText(item.bytes), item.quoted, isValidUtf8(item.bytes)});
    });
    if (error) {
        return *error;
    }
    return auditor.finish();
}

} // namespace icao
