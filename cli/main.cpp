#include "arguments.h"
#include "lookup/answers.h"
#include "lookup/data_check.h"
#include "lookup/data_file.h"
#include "lookup/program_folder.h"

#include <iostream>

namespace {

constexpr int kExitFound = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitError = 2;

int check(const std::filesystem::path& dataFile) {
    const auto report = icao::checkDataFile(dataFile);
    if (!report) {
        std::cerr << "icao: " << report.error().describe() << '\n';
        return kExitError;
    }
    for (const auto& finding : report->findings) {
        std::cout << finding.line << ": " << finding.reason << '\n';
    }
    std::cout << dataFile.string() << ": " << report->summary() << '\n';
    return report->findings.empty() ? kExitFound : kExitNotFound;
}

int run(const Arguments& arguments, const char* argv0) {
    const std::filesystem::path dataFile = arguments.file
                                               ? std::filesystem::path(*arguments.file)
                                               : icao::dataFilePath(icao::programFolder(argv0));
    if (arguments.command == Arguments::Command::Check) {
        return check(dataFile);
    }
    const icao::Text key = icao::decodeText(arguments.key);
    const auto entry = arguments.raw ? icao::KeyEntry::Pasted : icao::KeyEntry::Typed;
    const auto answer = arguments.command == Arguments::Command::Code
                            ? icao::answerCode(key, entry, dataFile)
                            : icao::answerName(key, entry, dataFile);
    if (!answer) {
        std::cerr << "icao: " << answer.error().describe() << '\n';
        return kExitError;
    }
    std::cout << icao::toUtf8(answer->shown) << '\n';
    return answer->outcome == icao::Outcome::Found ? kExitFound : kExitNotFound;
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
