// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"
#include "records/airport_record.h"
#include "search/record_source.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace icao {

// The record each code names, as the code lookup finds it (the first whose positions 3 to 6
// are the code), else the first that gives it as a former code; none for a code no record has.
// From the file in one reading that ends once every code is found as a current one; from the
// records held in memory by a hash.
Expected<std::vector<std::optional<AirportRecord>>> airportsByCode(const std::vector<Text>& codes,
                                                                   const RecordSource& source);

// Whether a file may give a code as a former code, told by watching the bytes of a pass over
// it, the code lookup's own (codeToName's watchBytes): the code stands somewhere as a word,
// between a "|" or a space and a "|", a space or a line end. Never wrongly no, so that a code no
// record has costs no second reading of the file.
class FormerCodeWatch {
  public:
    explicit FormerCodeWatch(const Text& code);
    // The next bytes of the file, in order.
    void see(std::string_view bytes);
    // Once every byte was seen.
    bool mayGiveFormerCode() const { return seen_ || endsAtEdge_; }

  private:
    static bool endsWord(char c);
    // Each "|CODE" or " CODE" starting before startsBefore that ends a word.
    void seeExactly(std::string_view bytes, std::size_t startsBefore);

    std::string code_;
    std::vector<std::string> lowered_;
    // The last bytes seen, where a code cut between two runs of bytes begins.
    std::string carried_;
    bool seen_ = false;
    // Whether a code ends the bytes seen so far, a word if the next byte ends one.
    bool endsAtEdge_ = false;
};

} // namespace icao
