#pragma once

#include "platform/Vector4.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace NVolant {

// The binary files of a level folder: the enemy list "enemies.dat", the bonus list "bonuses.dat"
// and the tile map. Every number is a little-endian 32-bit integer or float. The game reads them
// forgivingly (a damaged file still gives the level it can), the content tools strictly (their
// checker wants to know); both use the records, codes and layouts kept here.

// An enemy's type code is the base of its kind plus its model (0-based).
enum EnemyTypeBase : std::int32_t {
    kBoatType = 0,
    kHelicType = 100,
    kPlaneType = 200,
    kBridgeType = 300,
    kTankType = 400,
    kBuildingType = 500,
};

enum class EnemyKind { Boat, Helic, Plane, Bridge, Tank, Building, Unknown };

// The kind of a type code, Unknown for a code no enemy has.
EnemyKind enemyKindOf(std::int32_t type);
// The model within its kind (0-based), -1 for an unknown code.
int enemyModelOf(std::int32_t type);
// How many models a kind has.
int enemyModelCount(EnemyKind kind);

// One record of "enemies.dat" (32 bytes: type, group, speed class, x, y, z, w, weapon range).
struct EnemyRecord {
    int index = 0; // position in the file: checkpoints count entries, skipped ones included
    std::int32_t type = 0;
    std::int32_t group = 0;
    std::int32_t speedClass = 0;
    Vector4 position{0.0f, 0.0f, 0.0f, 1.0f};
    std::int32_t weaponRange = 0;
    bool operator==(const EnemyRecord&) const = default;
};

// One record of "bonuses.dat" (20 bytes: kind 1..10, x, y, z, w).
struct BonusRecord {
    std::int32_t kind = 1;
    Vector4 position{0.0f, 0.0f, 0.0f, 1.0f};
    bool operator==(const BonusRecord&) const = default;
};

// The map: columns, rows and cell size, then the cells row by row from the bottom row up.
struct TileMap {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    std::int32_t cellSize = 32;
    std::vector<std::int32_t> cells;

    bool inside(int column, int row) const { return column >= 0 && row >= 0 && column < columns && row < rows; }
    std::int32_t at(int column, int row) const { return cells[index(column, row)]; }
    std::int32_t& at(int column, int row) { return cells[index(column, row)]; }
    bool operator==(const TileMap&) const = default;

private:
    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column);
    }
};

class LevelFiles final {
public:
    static constexpr std::size_t kEnemyRecordSize = 32;
    static constexpr std::size_t kBonusRecordSize = 20;
    static constexpr std::size_t kMapHeaderSize = 12;
    // Coordinates further out than this are damage, not a place on any level.
    static constexpr float kFarAway = 1.0e6f;
    // Far more cells than any level needs, and far larger ones: a map claiming more is damaged.
    static constexpr long long kMaxCells = 1LL << 22;
    static constexpr int kMaxCellSize = 1024;

    struct EnemyReport {
        std::uint32_t declared = 0; // the file's count
        std::size_t present = 0;    // whole records in the file, at most the count
        std::size_t dropped = 0;
        std::size_t clamped = 0;
        bool clean() const { return present == declared && dropped == 0 && clamped == 0; }
    };

    // The game's readers. Nothing in the bytes is trusted and nothing outside them is read.
    // Enemies: a count beyond the bytes is cut to the whole records present, a record whose
    // position is not a number or lies absurdly far away is dropped (later records keep their
    // file index), a speed class outside 0..3 is clamped, and w is always 1.
    static std::vector<EnemyRecord> readEnemies(std::span<const std::uint8_t> bytes, EnemyReport* report = nullptr);
    // Bonuses: the whole records present, in file order, w = 1; announced receives the count the
    // file claims. Which records can be placed is the level's business.
    static std::vector<BonusRecord> readBonuses(std::span<const std::uint8_t> bytes,
                                                std::uint32_t* announced = nullptr);
    // The map: false (and out untouched) when the header is missing or its sizes are absurd
    // (not positive, beyond kMaxCells or kMaxCellSize, or a level too tall or wide in pixels for
    // 32-bit integers); cells missing at the end of a short file and negative cells read as 0.
    static bool readMap(std::span<const std::uint8_t> bytes, TileMap& out);

    // The tools' readers: they accept only a file whose size matches its own count and
    // dimensions exactly, and keep every value as written. On failure the output holds what was
    // read intact.
    static bool decodeEnemies(std::span<const std::uint8_t> bytes, std::vector<EnemyRecord>& out);
    static bool decodeBonuses(std::span<const std::uint8_t> bytes, std::vector<BonusRecord>& out);
    static bool decodeMap(std::span<const std::uint8_t> bytes, TileMap& out);

    static std::vector<std::uint8_t> encodeEnemies(const std::vector<EnemyRecord>& records);
    static std::vector<std::uint8_t> encodeBonuses(const std::vector<BonusRecord>& records);
    static std::vector<std::uint8_t> encodeMap(const TileMap& map);
};

} // namespace NVolant
