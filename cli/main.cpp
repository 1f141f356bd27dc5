#include "cli/arguments.h"
#include "cli/find_output.h"
#include "lookup/answer_tables.h"
#include "lookup/answers.h"
#include "lookup/data_audit.h"
#include "lookup/data_file.h"
#include "lookup/data_summary.h"
#include "lookup/program_folder.h"
#include "search/find.h"

#include <iostream>
#include <string>

#ifndef ICAO_VERSION
#define ICAO_VERSION "unknown"
#endif

namespace {

constexpr int kExitFound = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitError = 2;

int reportError(const icao::FileError& error) {
    std::cerr << "icao: " << error.describe() << '\n';
    return kExitError;
}

int exitFor(bool found) {
    return found ? kExitFound : kExitNotFound;
}

int check(const std::filesystem::path& dataFile) {
    const auto report = icao::auditDataFile(dataFile);
    if (!report) {
        return reportError(report.error());
    }
    for (const auto& finding : report->findings) {
        std::cout << finding.line << ": " << finding.reason << '\n';
    }
    std::cout << dataFile.string() << ": " << report->summary() << '\n';
    return exitFor(report->findings.empty());
}

int version(const std::filesystem::path& dataFile) {
    std::cout << "icao " << ICAO_VERSION << '\n';
    const auto summary = icao::summarizeDataFile(dataFile);
    if (!summary) {
        return reportError(summary.error());
    }
    std::cout << "data file " << dataFile.string() << ": " << summary->records
              << " records, last modified " << summary->modified << '\n';
    return kExitFound;
}

int find(const Arguments& arguments, const std::filesystem::path& dataFile) {
    const auto result =
        icao::findAirports(icao::decodeText(arguments.key), arguments.limit, dataFile);
    if (!result) {
        return reportError(result.error());
    }
    std::vector<icao::AirportRecord> hits;
    for (const auto& hit : result->hits) {
        hits.push_back(hit.record);
    }
    if (!hits.empty() || arguments.format != icao::FindFormat::Text) {
        std::cout << icao::formatRecords(hits, arguments.format);
    }
    // Suggestions go beside machine-readable output, not into it.
    std::ostream& suggestions = arguments.format == icao::FindFormat::Text ? std::cout : std::cerr;
    if (hits.empty()) {
        suggestions << "no airport matches \"" << arguments.key << "\"\n";
    }
    suggestions << icao::formatSuggestions(result->suggestions);
    return exitFor(!hits.empty());
}

int lookup(const Arguments& arguments, const std::filesystem::path& dataFile) {
    const icao::Text key = icao::decodeText(arguments.key);
    const auto entry = arguments.raw ? icao::KeyEntry::Pasted : icao::KeyEntry::Typed;
    const auto answer = arguments.command == Arguments::Command::Code
                            ? icao::answerCode(key, entry, dataFile)
                            : icao::answerName(key, entry, dataFile);
    if (!answer) {
        return reportError(answer.error());
    }
    std::cout << icao::toUtf8(answer->shown) << '\n';
    return exitFor(answer->outcome == icao::Outcome::Found);
}

// Answers each line of standard input with answerOf(key), which yields the result text and
// whether it was found, or a file error.
template <class AnswerOf> int answerEachLine(AnswerOf answerOf) {
    std::ios::sync_with_stdio(false);
    bool allFound = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto answer = answerOf(icao::decodeText(line));
        if (!answer) {
            return reportError(answer.error());
        }
        std::cout << line << '\t' << icao::toUtf8(answer->shown) << '\n';
        allFound = allFound && answer->outcome == icao::Outcome::Found;
    }
    return exitFor(allFound);
}

int batch(const Arguments& arguments, const std::filesystem::path& dataFile) {
    const auto entry = arguments.raw ? icao::KeyEntry::Pasted : icao::KeyEntry::Typed;
    switch (arguments.command) {
    case Arguments::Command::Code: {
        const auto answers = icao::CodeAnswers::load(dataFile);
        if (!answers) {
            return reportError(answers.error());
        }
        return answerEachLine([&](const icao::Text& key) {
            return icao::Expected<icao::Answer>(answers->answer(key, entry));
        });
    }
    case Arguments::Command::Name: {
        const auto answers = icao::NameAnswers::load(dataFile);
        if (!answers) {
            return reportError(answers.error());
        }
        return answerEachLine([&](const icao::Text& key) { return answers->answer(key, entry); });
    }
    default: {
        auto index = icao::AirportIndex::load(dataFile);
        if (!index) {
            return reportError(index.error());
        }
        return answerEachLine([&](const icao::Text& key) {
            const auto result = index->find(key, 1);
            return icao::Expected<icao::Answer>(
                result.hits.empty()
                    ? icao::Answer{icao::Outcome::NotFound, {}}
                    : icao::Answer{icao::Outcome::Found, result.hits.front().record.code});
        });
    }
    }
}

int run(const Arguments& arguments, const char* argv0) {
    const std::filesystem::path dataFile = arguments.file
                                               ? std::filesystem::path(*arguments.file)
                                               : icao::dataFilePath(icao::programFolder(argv0));
    switch (arguments.command) {
    case Arguments::Command::Check:
        return check(dataFile);
    case Arguments::Command::Version:
        return version(dataFile);
    default:
        break;
    }
    if (arguments.batch()) {
        return batch(arguments, dataFile);
    }
    return arguments.command == Arguments::Command::Find ? find(arguments, dataFile)
                                                         : lookup(arguments, dataFile);
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::cerr << "icao: " << error->message << "\n\n" << kUsage;
        return kExitError;
    }
    const auto& arguments = std::get<Arguments>(parsed);
    if (arguments.command == Arguments::Command::Help) {
        std::cout << kUsage;
        return kExitFound;
    }
    return run(arguments, argc > 0 ? argv[0] : nullptr);
}
