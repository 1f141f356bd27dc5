// SPDX-License-Identifier: MIT
#include "search/navaids.h"

#include "lookup/data_file.h"
#include "search/folding.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <iterator>
#include <system_error>

namespace icao {

std::filesystem::path navaidsFileBeside(const std::filesystem::path& dataFile) {
    return dataFile.parent_path() / kNavaidsFileName;
}

bool isDataFile(const std::filesystem::path& file, const std::filesystem::path& dataFile) {
    std::error_code unused;
    return std::filesystem::equivalent(file, dataFile, unused) ||
           std::filesystem::equivalent(file, navaidsFileBeside(dataFile), unused);
}

Expected<std::vector<Navaid>> readNavaids(const std::filesystem::path& file) {
    return readNavaids(file, [](const Navaid&) { return true; });
}

Expected<std::vector<Navaid>> readNavaids(const std::filesystem::path& file,
                                          const std::function<bool(const Navaid&)>& keep) {
    // Gathered in blocks, then moved once into a vector of their number: a vector grown aid by
    // aid moved every aid again at each growth, which took most of the time.
    std::deque<Navaid> read;
    const auto error = forEachItem(file, [&](const FileItem& item) {
        if (auto navaid = navaidOf(item.bytes, item.line); navaid && keep(*navaid)) {
            read.push_back(std::move(*navaid));
        }
    });
    if (error) {
        return FileError{error->path, error->reason + "; navaid answers read " +
                                          std::string(kNavaidsFileName) + " beside the data file"};
    }
    return std::vector<Navaid>(std::make_move_iterator(read.begin()),
                               std::make_move_iterator(read.end()));
}

std::vector<Navaid> navaidsWithIdent(const std::vector<Navaid>& navaids, const Text& ident) {
    TextFolder folder;
    const std::string wanted = folder.fold(ident);
    std::vector<Navaid> found;
    std::copy_if(
        navaids.begin(), navaids.end(), std::back_inserter(found),
        [&](const Navaid& navaid) { return folder.fold(decodeText(navaid.ident)) == wanted; });
    return found;
}

std::vector<Navaid> findNavaids(const std::vector<Navaid>& navaids, const Text& text,
                                std::size_t limit) {
    TextFolder folder;
    const std::string wanted = folder.fold(text);
    if (wanted.empty()) {
        return {};
    }
    // How well an aid matches: 0 its ident, 1 its ident's start, 2 its whole name, 3 its name's
    // start, 4 its name anywhere; 5 not at all.
    const auto rank = [&](const Navaid& navaid) {
        const std::string ident = folder.fold(decodeText(navaid.ident));
        if (ident == wanted || ident.starts_with(wanted)) {
            return ident == wanted ? 0 : 1;
        }
        const std::string name = folder.fold(decodeText(navaid.name));
        const std::size_t at = name.find(wanted);
        return at == std::string::npos ? 5 : name == wanted ? 2 : at == 0 ? 3 : 4;
    };
    std::vector<std::pair<int, const Navaid*>> ranked;
    for (const Navaid& navaid : navaids) {
        if (const int how = rank(navaid); how < 5) {
            ranked.emplace_back(how, &navaid);
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Navaid> found;
    for (std::size_t i = 0; i < std::min(limit, ranked.size()); ++i) {
        found.push_back(*ranked[i].second);
    }
    return found;
}

std::vector<NearbyNavaid> nearestNavaids(const std::vector<Navaid>& navaids, const Place& origin,
                                         std::size_t limit, std::optional<double> withinKm) {
    // Distances by position first, so that only the aids kept are copied.
    std::vector<std::pair<double, std::size_t>> distances;
    // No aid is nearer than its difference of latitude: most are ruled out by that alone.
    for (std::size_t i = 0; i < navaids.size(); ++i) {
        if (withinKm &&
            std::abs(navaids[i].place.latitude - origin.latitude) * kKmPerDegree > *withinKm) {
            continue;
        }
        const double km = distanceKm(origin, navaids[i].place);
        if (!withinKm || km <= *withinKm) {
            distances.emplace_back(km, i);
        }
    }
    const std::size_t kept = std::min(limit, distances.size());
    std::partial_sort(distances.begin(), distances.begin() + static_cast<std::ptrdiff_t>(kept),
                      distances.end());
    std::vector<NearbyNavaid> nearby;
    for (std::size_t i = 0; i < kept; ++i) {
        const Navaid& navaid = navaids[distances[i].second];
        nearby.push_back({navaid, distances[i].first, initialCourse(origin, navaid.place)});
    }
    return nearby;
}

} // namespace icao
