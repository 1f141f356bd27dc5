// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/key_loop.h"
#include "lookup/answer_tables.h"
#include "lookup/answers.h"
#include "lookup/build_info.h"
#include "lookup/data_audit.h"
#include "lookup/data_summary.h"
#include "lookup/key_filter.h"
#include "lookup/text_views.h"
#include "map/land.h"
#include "search/airports_by_code.h"

#include <iostream>

int reportError(const icao::FileError& error) {
    warn(error.describe());
    return kExitError;
}

icao::Text keyOf(const std::string& word, bool raw) {
    const icao::Text key = icao::decodeText(word);
    return raw ? key : icao::trimSpaces(icao::filterTypedText(key));
}

namespace {

const std::vector<Column> kAnswerColumns = {{"result"}, {"found"}};

std::vector<Cell> answerCells(const icao::Answer& answer) {
    return {Cell::text(icao::toUtf8(answer.shown)),
            Cell::truth(answer.outcome == icao::Outcome::Found)};
}

// Answers keys from standard input with the answer tables, loaded once.
template <class Answers>
int answerKeys(const Arguments& arguments, Printer& printer, const Answers& answers) {
    const auto entry = arguments.raw ? icao::KeyEntry::Pasted : icao::KeyEntry::Typed;
    return answerEachKey(printer, kAnswerColumns,
                         [&](const std::string& key) -> icao::Expected<KeyedAnswer> {
                             const icao::Expected<icao::Answer> answer =
                                 answers.answer(icao::decodeText(key), entry);
                             if (!answer) {
                                 return answer.error();
                             }
                             return KeyedAnswer{icao::toUtf8(answer->shown),
                                                [answer = *answer] { return answerCells(answer); },
                                                answer->outcome == icao::Outcome::Found};
                         });
}

// The lookup answers a former code as it answers any code no record holds; the user is told
// the airfield's code now, beside the answer.
void noteCurrentCode(const icao::Text& code, const std::filesystem::path& dataFile,
                     const icao::FormerCodeWatch& watch) {
    // Most codes not found are no former code either: the lookup's own pass told.
    if (!watch.mayGiveFormerCode()) {
        return;
    }
    const auto records = icao::airportsByCode({code}, dataFile);
    if (records && records->front() && records->front()->code != icao::toUtf8(code)) {
        warn(icao::toUtf8(code) + " is a former code; the airfield's code is " +
             records->front()->code);
    }
}

} // namespace

int runLookup(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    const bool byCode = arguments.command == Command::Code;
    if (arguments.batch()) {
        if (byCode) {
            const auto answers = icao::CodeAnswers::load(dataFile);
            return answers ? answerKeys(arguments, printer, *answers)
                           : reportError(answers.error());
        }
        const auto answers = icao::NameAnswers::load(dataFile);
        return answers ? answerKeys(arguments, printer, *answers) : reportError(answers.error());
    }
    const std::string& key = arguments.keys.front();
    const auto entry = arguments.raw ? icao::KeyEntry::Pasted : icao::KeyEntry::Typed;
    icao::FormerCodeWatch watch(keyOf(key, arguments.raw));
    const auto answer =
        byCode ? icao::answerCode(icao::decodeText(key), entry, dataFile,
                                  [&watch](std::string_view bytes) { watch.see(bytes); })
               : icao::answerName(icao::decodeText(key), entry, dataFile);
    if (!answer) {
        return reportError(answer.error());
    }
    if (byCode && answer->outcome != icao::Outcome::Found) {
        noteCurrentCode(keyOf(key, arguments.raw), dataFile, watch);
    }
    // The lookup wants the whole name; a word of it is what find is for.
    if (!byCode && answer->outcome == icao::Outcome::NotFound && !key.empty()) {
        warn("no airport's whole name is \"" + key +
             "\"; find searches the words of names, places and codes: icao find " + key);
    }
    Table row{{{"key"}, {"result"}, {"found"}}, {{Cell::text(key)}}};
    for (Cell& cell : answerCells(*answer)) {
        row.rows.front().push_back(std::move(cell));
    }
    printer.answer(icao::toUtf8(answer->shown), row);
    return exitFor(answer->outcome == icao::Outcome::Found);
}

int runCheck(const Arguments&, Printer&, const std::filesystem::path& dataFile) {
    // Findings go out as they are found; a failed write ends the check, and main reports it.
    const auto report = icao::auditDataFile(dataFile, [](const icao::AuditFinding& finding) {
        std::cout << finding.line << ": " << finding.reason << '\n';
        return static_cast<bool>(std::cout);
    });
    if (!report) {
        return reportError(report.error());
    }
    if (!std::cout) {
        return kExitError;
    }
    std::cout << icao::utf8Of(dataFile) << ": " << report->summary() << '\n';
    return exitFor(report->findings == 0);
}

int runVersion(const Arguments&, Printer&, const std::filesystem::path& dataFile) {
    std::cout << "icao " << kVersion << ", " << kCodeLicence << '\n'
              << "shipped data: " << kDataSource << '\n'
              << "maps: " << icao::kLandSource << '\n';
    const auto summary = icao::summarizeDataFile(dataFile);
    if (!summary) {
        return reportError(summary.error());
    }
    std::cout << "data file " << icao::utf8Of(dataFile) << ": " << summary->records << " records\n";
    return kExitFound;
}
