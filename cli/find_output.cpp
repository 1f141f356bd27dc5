#include "cli/find_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <algorithm>
#include <array>

namespace icao {
namespace {

constexpr std::array<const char*, 5> kColumns = {"icao", "name", "municipality", "country", "iata"};

std::array<const Text*, 5> columnsOf(const AirportRecord& record) {
    return {&record.code, &record.name, &record.municipality, &record.country, &record.iata};
}

std::string aligned(const std::vector<AirportRecord>& records, const std::string& indent) {
    std::array<std::size_t, 5> widths{};
    for (const AirportRecord& record : records) {
        const auto columns = columnsOf(record);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            widths[i] = std::max(widths[i], columns[i]->size());
        }
    }
    std::string out;
    for (const AirportRecord& record : records) {
        Text line;
        const auto columns = columnsOf(record);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            line += *columns[i];
            if (i + 1 < columns.size()) {
                line.append(widths[i] - columns[i]->size() + 2, U' ');
            }
        }
        while (!line.empty() && line.back() == U' ') {
            line.pop_back();
        }
        out.append(indent).append(toUtf8(line)).push_back('\n');
    }
    return out;
}

std::string tabSeparated(const std::vector<AirportRecord>& records) {
    std::string out;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        out.append(i ? "\t" : "").append(kColumns[i]);
    }
    out.push_back('\n');
    for (const AirportRecord& record : records) {
        const auto columns = columnsOf(record);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            // A tab inside a field would shift the columns after it.
            Text field = *columns[i];
            std::replace(field.begin(), field.end(), U'\t', U' ');
            out.append(i ? "\t" : "").append(toUtf8(field));
        }
        out.push_back('\n');
    }
    return out;
}

std::string json(const std::vector<AirportRecord>& records) {
    QJsonArray array;
    for (const AirportRecord& record : records) {
        QJsonObject object;
        const auto columns = columnsOf(record);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            object.insert(kColumns[i], QString::fromStdU32String(*columns[i]));
        }
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace

std::string formatRecords(const std::vector<AirportRecord>& records, FindFormat format) {
    switch (format) {
    case FindFormat::Text:
        return aligned(records, "");
    case FindFormat::Tsv:
        return tabSeparated(records);
    case FindFormat::Json:
        return json(records);
    }
    return {};
}

std::string formatSuggestions(const std::vector<AirportRecord>& suggestions) {
    if (suggestions.empty()) {
        return {};
    }
    return std::string("did you mean:\n").append(aligned(suggestions, "  "));
}

} // namespace icao
