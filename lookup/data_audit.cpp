// SPDX-License-Identifier: MIT
#include "lookup/data_audit.h"

#include "lookup/data_file.h"
#include "lookup/field_ranges.h"
#include "lookup/record_layout.h"
#include "lookup/record_views.h"
#include "lookup/text_views.h"
#include "lookup/zone_name.h"

#include <algorithm>
#include <cmath>
#include <optional>
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
std::string whatTheLookupsSee(const Text& item) {
    const std::vector<Text> writes = codeLookupWrites(item);
    std::string seen = "by code " + quoted(codeOf(item)) + " it shows " +
                       (writes.empty() ? std::string("nothing") : quoted(writes.back()));
    const auto nameKey = nameKeyOf(item);
    seen +=
        nameKey ? ", by name it is found as " + quoted(*nameKey) : ", by name it is never found";
    return seen;
}

bool holdsControlCharacter(const Text& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char32_t character) { return character < 0x20 || character == 0x7F; });
}

// Checks each item as it comes. The notes of a line's first item wait until the line is
// known split by a comma or ended, as the comma and quote notes about that item come first;
// every later note is reported at once, so that a line of any length costs one item's notes.
class Auditor {
  public:
    explicit Auditor(const AuditSink& sink) : sink_(sink) {}

    void add(std::size_t line, const AuditedItem& item) {
        if (itemsOnLine_ > 0 && line != line_) {
            endLine();
        }
        line_ = line;
        if (++itemsOnLine_ == 1) {
            headQuoted_ = item.quotedItem;
            head_ = item.text;
        } else if (itemsOnLine_ == 2) {
            reportHead();
        }
        checkItem(item, itemsOnLine_ == 1);
        ++summary_.items;
    }

    AuditSummary finish() {
        if (itemsOnLine_ > 0) {
            endLine();
        }
        return summary_;
    }

    bool stopped() const { return stopped_; }

  private:
    void note(std::string reason) {
        if (headReported_) {
            report(reason);
        } else {
            headNotes_.push_back(std::move(reason));
        }
    }

    void report(const std::string& reason) {
        stopped_ = stopped_ || (sink_ && !sink_(AuditFinding{line_, reason}));
        ++summary_.findings;
        summary_.linesWithFindings += lineReported_ ? 0 : 1;
        lineReported_ = true;
    }

    // The comma and quote notes, which tell how the lookups read the line's first item, then
    // that item's own notes.
    void reportHead() {
        headReported_ = true;
        const bool split = itemsOnLine_ > 1;
        const std::string headSeen =
            split || headQuoted_ ? whatTheLookupsSee(head_) : std::string();
        if (split) {
            report("a comma splits the line; of its first item, " + headSeen +
                   ", and the rest is read as further items");
        }
        if (headQuoted_) {
            report("a double quote at the start makes the item run to the next double quote; " +
                   headSeen);
        }
        for (const std::string& reason : headNotes_) {
            report(reason);
        }
        headNotes_.clear();
    }

    void endLine() {
        if (!headReported_) {
            reportHead();
        }
        itemsOnLine_ = 0;
        headQuoted_ = false;
        headReported_ = false;
        lineReported_ = false;
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
            checkEarlierUse(code, codes_, "code", "this record is never shown by code");
            if (nameKey &&
                checkEarlierUse(*nameKey, names_, "name", "this record is never found by name") &&
                nameKey->empty()) {
                note("the name lookup reads an empty name here, so an empty name search finds "
                     "this record");
            }
            const auto iata = TextRecordFields(text, RecordField::Iata)[RecordField::Iata];
            if (!iata.empty()) {
                checkEarlierUse(Text(iata), iatas_, "IATA code",
                                "one airport may stand twice, under two ICAO codes");
            }
            checkNumbers(text);
            const Text zone(TextRecordFields(text, RecordField::TimeZone)[RecordField::TimeZone]);
            if (!zone.empty() && !isZoneName(toUtf8(zone))) {
                note("the time zone " + quoted(zone) +
                     " is no time-zone name, so icao info shows no local time for it");
            }
        } else {
            codes_.emplace(toUtf8(code), line_);
            if (nameKey) {
                names_.emplace(toUtf8(*nameKey), line_);
            }
        }
        if (!item.utf8) {
            note("not valid UTF-8, so it is read as Windows-1252: " + quoted(text));
        }
        // A quoted item holds the line ends it ran over, which the quote note tells already.
        if (startsTheLine && !item.quotedItem && holdsControlCharacter(text)) {
            note("the record holds a control character, which icao shows escaped: " + quoted(text));
        }
    }

    // A coordinate or an elevation written but not a number in its range.
    void checkNumbers(const Text& text) {
        for (const FieldRange& range : kFieldRanges) {
            const Text field(TextRecordFields(text, range.field)[range.field]);
            if (!field.empty() && !numberInRange(toUtf8(field), range)) {
                note("the " + std::string(range.name) + " " + quoted(field) +
                     " is not a number from " + std::to_string(std::lround(range.lowest)) + " to " +
                     std::to_string(std::lround(range.highest)) + ", so " +
                     std::string(range.otherwise));
            }
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

    // Notes a key that an earlier item already holds, and what follows; yields whether this
    // is the first.
    bool checkEarlierUse(const Text& key, std::unordered_map<std::string, std::size_t>& seen,
                         const char* what, const char* consequence) {
        const auto [earlier, first] = seen.emplace(toUtf8(key), line_);
        if (!first) {
            note(std::string("the ") + what + " " + quoted(key) + " is already used on line " +
                 std::to_string(earlier->second) + ", so " + consequence);
        }
        return first;
    }

    const AuditSink& sink_;
    AuditSummary summary_;
    std::size_t line_ = 0;
    std::size_t itemsOnLine_ = 0;
    Text head_;
    bool headQuoted_ = false;
    bool headReported_ = false;
    bool lineReported_ = false;

    std::vector<std::string> headNotes_;
    // The first line of each distinct code, name and IATA code, keyed by its UTF-8.
    std::unordered_map<std::string, std::size_t> codes_;
    std::unordered_map<std::string, std::size_t> names_;
    std::unordered_map<std::string, std::size_t> iatas_;
    bool emptyCodeFound_ = false;
    bool stopped_ = false;
};

} // namespace

std::string AuditSummary::summary() const {
    std::string text = std::to_string(items) + " items read: ";
    if (findings == 0) {
        return text + "no problems found";
    }
    return text + std::to_string(findings) + " problems on " + std::to_string(linesWithFindings) +
           " lines";
}

Expected<AuditSummary> auditDataFile(const std::filesystem::path& path, const AuditSink& sink) {
    Auditor auditor(sink);
    const auto error = forEachItem(path, [&auditor](const FileItem& item) {
        auditor.add(item.line,
                    AuditedItem{decodeText(item.bytes), item.quoted, isValidUtf8(item.bytes)});
        return !auditor.stopped();
    });
    if (error) {
        return *error;
    }
    return auditor.finish();
}

} // namespace icao
