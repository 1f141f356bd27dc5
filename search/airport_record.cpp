#include "search/airport_record.h"

#include "lookup/text_views.h"

namespace icao {

AirportRecord AirportRecord::fromItem(const Text& item, std::size_t line) {
    std::vector<Text> fields = splitFields(item);
    fields.resize(std::max<std::size_t>(fields.size(), 6));
    return AirportRecord{line,
                         std::move(fields[1]),
                         std::move(fields[2]),
                         std::move(fields[3]),
                         std::move(fields[4]),
                         std::move(fields[5])};
}

} // namespace icao
