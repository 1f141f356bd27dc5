// SPDX-License-Identifier: MIT
#include "map/land.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

namespace icao {

extern const unsigned char kLandBytes[];
extern const std::size_t kLandBytesSize;
extern const unsigned char kFinestLandBytes[];
extern const std::size_t kFinestLandBytesSize;

namespace {

constexpr std::string_view kMagic = "ICAOLAND";
constexpr unsigned char kVersion = 1;
// Thousandths of a degree.
constexpr double kUnit = 1000.0;

class Reader {
  public:
    explicit Reader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    std::size_t at() const { return at_; }
    std::size_t left() const { return bytes_.size() - at_; }

    std::optional<unsigned char> byte() {
        if (at_ == bytes_.size()) {
            return std::nullopt;
        }
        return bytes_[at_++];
    }
    // An unsigned LEB128 number of at most 63 bits.
    std::optional<std::uint64_t> count() {
        std::uint64_t value = 0;
        for (unsigned shift = 0; shift < 63; shift += 7) {
            const auto next = byte();
            if (!next) {
                return std::nullopt;
            }
            value |= static_cast<std::uint64_t>(*next & 0x7F) << shift;
            if ((*next & 0x80) == 0) {
                return value;
            }
        }
        return std::nullopt;
    }
    std::optional<std::int64_t> step() {
        const auto value = count();
        if (!value) {
            return std::nullopt;
        }
        const auto half = static_cast<std::int64_t>(*value >> 1);
        return (*value & 1) != 0 ? -half - 1 : half;
    }

  private:
    std::span<const unsigned char> bytes_;
    std::size_t at_ = 0;
};

struct Failure {
    std::size_t at;
    std::string reason;
};

std::optional<Failure> readLines(Reader& reader, std::vector<MapLine>& lines) {
    const auto lineCount = reader.count();
    // Every line takes a byte at least, and every point two: counts beyond what is left are
    // refused before anything is reserved.
    if (!lineCount || *lineCount > reader.left()) {
        return Failure{reader.at(), "a count of lines beyond the end"};
    }
    lines.reserve(*lineCount);
    for (std::uint64_t line = 0; line < *lineCount; ++line) {
        const auto pointCount = reader.count();
        if (!pointCount || *pointCount > reader.left() / 2) {
            return Failure{reader.at(), "a count of points beyond the end"};
        }
        MapLine& points = lines.emplace_back();
        points.reserve(*pointCount);
        std::int64_t longitude = 0;
        std::int64_t latitude = 0;
        for (std::uint64_t point = 0; point < *pointCount; ++point) {
            const auto east = reader.step();
            const auto north = reader.step();
            if (!east || !north) {
                return Failure{reader.at(), "a point cut short"};
            }
            longitude += *east;
            latitude += *north;
            // A line over the antimeridian runs on past 180 degrees, never a turn further.
            if (std::abs(latitude) > 90 * kUnit || std::abs(longitude) > 360 * kUnit) {
                return Failure{reader.at(), "a point off the earth"};
            }
            points.push_back(
                {static_cast<double>(latitude) / kUnit, static_cast<double>(longitude) / kUnit});
        }
    }
    return std::nullopt;
}

std::optional<Failure> readAll(Reader& reader, World& world) {
    for (const char expected : kMagic) {
        if (reader.byte() != static_cast<unsigned char>(expected)) {
            return Failure{0, "not a file of land outlines"};
        }
    }
    if (reader.byte() != kVersion) {
        return Failure{reader.at(), "a version of land outlines this program does not read"};
    }
    const auto sections = reader.byte();
    if (!sections) {
        return Failure{reader.at(), "no count of sections"};
    }
    auto finest = std::make_shared<std::vector<MapLine>>();
    const std::array<std::vector<MapLine>*, 4> kinds = {&world.coarseLand, &world.fineLand,
                                                        &world.borders, finest.get()};
    for (unsigned section = 0; section < *sections; ++section) {
        const auto kind = reader.byte();
        if (!kind || *kind >= kinds.size() || !kinds[*kind]->empty()) {
            return Failure{reader.at(), "an unknown or repeated section"};
        }
        if (auto failure = readLines(reader, *kinds[*kind])) {
            return failure;
        }
    }
    if (reader.left() != 0) {
        return Failure{reader.at(), "bytes after the last section"};
    }
    if (!finest->empty()) {
        world.finestLand = [finest]() -> const std::vector<MapLine>& { return *finest; };
    }
    return std::nullopt;
}

} // namespace

Expected<World> readWorld(std::span<const unsigned char> bytes,
                          const std::filesystem::path& source) {
    Reader reader(bytes);
    World world;
    if (const auto failure = readAll(reader, world)) {
        return FileError{source, failure->reason + " at byte " + std::to_string(failure->at)};
    }
    return world;
}

namespace {

// Built from the shipped outlines, which the tests read whole: never an error.
World builtIn(std::span<const unsigned char> bytes) {
    auto read = readWorld(bytes, "land outlines built in");
    return read ? std::move(*read) : World{};
}

} // namespace

const World& builtInWorld() {
    static const World world = [] {
        World read = builtIn({kLandBytes, kLandBytesSize});
        read.finestLand = []() -> const std::vector<MapLine>& {
            static const World finest = builtIn({kFinestLandBytes, kFinestLandBytesSize});
            static const std::vector<MapLine> none;
            return finest.finestLand ? finest.finestLand() : none;
        };
        return read;
    }();
    return world;
}

} // namespace icao
