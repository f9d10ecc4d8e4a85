#pragma once

#include "platform/Vector4.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace NVolant {

// One entry of a level's enemy list.
struct EnemyRecord {
    int index = 0; // position in the file: checkpoints count entries, skipped ones included
    std::int32_t type = 0;
    std::int32_t group = 0;
    std::int32_t speedClass = 0;
    Vector4 position{0.0f, 0.0f, 0.0f, 1.0f};
    std::int32_t weaponRange = 0;
};

// Reads "enemies.dat": an unsigned 32-bit count, then that many 32-byte records (type, group,
// speed class, x, y, z, w, weapon range; little-endian). The file comes from outside the game, so
// nothing in it is trusted: a count beyond the bytes is cut to the whole records present, a
// record whose position is not a number or lies absurdly far away is dropped, and a speed class
// outside 0..3 is clamped.
class EnemyList final {
public:
    static constexpr std::size_t kRecordSize = 32;
    static constexpr float kFarAway = 1.0e6f;

    struct Report {
        std::uint32_t declared = 0; // the file's count
        std::size_t present = 0;    // whole records in the file, at most the count
        std::size_t dropped = 0;
        std::size_t clamped = 0;
        bool clean() const { return present == declared && dropped == 0 && clamped == 0; }
    };

    static std::vector<EnemyRecord> read(std::span<const std::uint8_t> bytes, Report* report = nullptr);
    // The file's bytes for records (tests and tools); w is written as 1.
    static std::vector<std::uint8_t> write(const std::vector<EnemyRecord>& records);
};

} // namespace NVolant
