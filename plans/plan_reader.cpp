// SPDX-License-Identifier: MIT
#include "plans/plan_reader.h"

#include "lookup/text.h"
#include "plans/plan_parsers.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace icao {

namespace {

bool looksLikeFms(std::string_view bytes) {
    const std::size_t firstLine = bytes.find('\n');
    const std::string_view head = bytes.substr(0, firstLine);
    const std::string_view rest =
        firstLine == std::string_view::npos ? std::string_view() : bytes.substr(firstLine + 1);
    return (head == "I" || head == "I\r" || head == "A" || head == "A\r") &&
           (rest.starts_with("1100 ") || rest.starts_with("3 ") ||
            rest.substr(0, 16).find("ersion") != std::string_view::npos);
}

} // namespace

Expected<PlanFile> readPlanBytes(std::string_view bytes, const std::filesystem::path& file) {
    const auto error = [&file](std::string reason) { return FileError{file, std::move(reason)}; };
    const std::string_view content = withoutByteOrderMark(bytes);
    const std::size_t start = content.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
        return error("holds no route");
    }
    parsers::Parsed parsed;
    if (content[start] == '<') {
        parsed = parsers::parseXmlPlan(content);
    } else if (content[start] == '{') {
        parsed = parsers::parseGeoJson(content);
    } else if (looksLikeFms(content.substr(start))) {
        parsed = parsers::parseFms(content.substr(start));
    } else {
        // A route as typed: a text of words, as the route field takes it.
        if (!isValidUtf8(content) || content.find('\0') != std::string_view::npos) {
            return error("is not a plan: neither GPX, KML, GeoJSON, FPL, FMS, PLN nor a text");
        }
        std::string text(content);
        for (char& c : text) {
            c = c == '\n' || c == '\r' || c == '\t' ? ' ' : c;
        }
        return PlanFile{"text", {}, std::move(text)};
    }
    if (!parsed.error.empty()) {
        return error(std::move(parsed.error));
    }
    if (parsed.waypoints.size() < 2) {
        return error("holds " + std::to_string(parsed.waypoints.size()) + " waypoint" +
                     (parsed.waypoints.size() == 1 ? "" : "s") + "; a route needs two or more");
    }
    return PlanFile{parsed.format, std::move(parsed.waypoints), {}};
}

Expected<PlanFile> readPlanFile(const std::filesystem::path& file) {
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(file, sizeError);
    if (sizeError) {
        return FileError{file, "cannot be read: " + sizeError.message()};
    }
    if (size > kLargestPlanFile) {
        return FileError{file, "is " + std::to_string(size / (1024 * 1024)) +
                                   " MB: no plan is larger than " +
                                   std::to_string(kLargestPlanFile / (1024 * 1024)) + " MB"};
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof()) {
        return FileError{file, std::string("cannot be read: ") + std::strerror(errno)};
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return readPlanBytes(bytes, file);
}

} // namespace icao
