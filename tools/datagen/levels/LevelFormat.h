#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace datagen::levels {

// Type codes of the enemy list: the base code of each kind plus the model index (0-based).
enum TypeBase : std::int32_t {
    kBoat = 0,
    kHelic = 100,
    kPlane = 200,
    kBridge = 300,
    kTank = 400,
    kBuilding = 500,
};

enum class Kind { Boat, Helic, Plane, Bridge, Tank, Building, Unknown };

Kind kindOf(std::int32_t type);
int modelOf(std::int32_t type); // 0-based model within its kind; -1 for an unknown code

// One record of "enemies.dat" (32 bytes).
struct EnemyRecord {
    std::int32_t type = 0;
    std::int32_t group = 0;
    std::int32_t speedClass = 0;
    float x = 0, y = 0, z = 0, w = 1;
    std::int32_t weaponRange = 0;
    bool operator==(const EnemyRecord&) const = default;
};

// One record of "bonuses.dat" (20 bytes).
struct BonusRecord {
    std::int32_t kind = 1;
    float x = 0, y = 0, z = 0, w = 1;
    bool operator==(const BonusRecord&) const = default;
};

// The map file: columns, rows, cell size, then the cells row by row from the bottom row.
struct TileMap {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    std::int32_t cellSize = 32;
    std::vector<std::int32_t> cells;

    std::int32_t at(int column, int row) const
    {
        return cells[static_cast<std::size_t>(row) * columns + column];
    }
    std::int32_t& at(int column, int row) { return cells[static_cast<std::size_t>(row) * columns + column]; }
    bool inside(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < columns && row < rows;
    }
    bool operator==(const TileMap&) const = default;
};

constexpr std::size_t kEnemyRecordSize = 32;
constexpr std::size_t kBonusRecordSize = 20;
constexpr std::size_t kMapHeaderSize = 12;

std::vector<std::uint8_t> encodeEnemies(const std::vector<EnemyRecord>& records);
std::vector<std::uint8_t> encodeBonuses(const std::vector<BonusRecord>& records);
std::vector<std::uint8_t> encodeMap(const TileMap& map);

// Strict readers for the tools: they accept only a file whose size matches its own count and
// dimensions exactly (the checker wants to know), never read outside the bytes and never
// allocate more than the bytes can hold. On failure the output holds what was read intact.
bool decodeEnemies(std::span<const std::uint8_t> bytes, std::vector<EnemyRecord>& out);
bool decodeBonuses(std::span<const std::uint8_t> bytes, std::vector<BonusRecord>& out);
bool decodeMap(std::span<const std::uint8_t> bytes, TileMap& out);

} // namespace datagen::levels
