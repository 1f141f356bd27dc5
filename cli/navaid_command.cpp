// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/navaid_cells.h"
#include "search/folding.h"

#include <algorithm>
#include <iostream>

// navaid IDENT...: every aid of each ident, in the order asked; an ident no aid has is told on
// standard error.
int runNavaid(const Arguments& arguments, Printer& printer, const std::filesystem::path& dataFile) {
    // Only the aids of the idents asked are kept: most questions name one or two.
    icao::TextFolder folder;
    std::vector<std::string> wanted;
    for (const std::string& word : arguments.keys) {
        wanted.push_back(folder.fold(keyOf(word, false)));
    }
    const auto navaids = navaidsBeside(dataFile, [&](const icao::Navaid& navaid) {
        return std::find(wanted.begin(), wanted.end(),
                         folder.fold(icao::decodeText(navaid.ident))) != wanted.end();
    });
    if (!navaids) {
        return kExitError;
    }
    std::vector<icao::Navaid> found;
    bool everyFound = true;
    for (const std::string& word : arguments.keys) {
        const auto ofIdent = icao::navaidsWithIdent(*navaids, keyOf(word, false));
        if (ofIdent.empty()) {
            warn("no navaid has the ident " + icao::toUtf8(keyOf(word, false)));
            everyFound = false;
        }
        found.insert(found.end(), ofIdent.begin(), ofIdent.end());
    }
    if (!found.empty()) {
        printer.list(RowSource(navaidColumns(), found.size(),
                               [&found](std::size_t i) { return navaidCells(found[i]); }));
    }
    return exitFor(everyFound);
}
