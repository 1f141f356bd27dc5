// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace icao {

// Looks for a folded needle, which every hit of a find holds, in the items of a file. An
// ASCII item folds by lowering its letters, so it is searched before any folding.
class NeedleSearch {
  public:
    explicit NeedleSearch(std::string needle);

    // False only when the item cannot hold the needle once folded; an item with characters
    // beyond ASCII can only be told by folding it.
    bool mayHold(std::string_view item) const;

    // Whether folded text holds the needle.
    bool isIn(std::string_view folded) const;

  private:
    std::string needle_;
    bool needleAscii_;
};

} // namespace icao
