// The readers of a level's "enemies.dat", "bonuses.dat", map and "decor.dat" on arbitrary bytes, the game's
// forgiving ones and the tools' strict ones: each must stay inside the bytes, never believe a
// count, and hand on only what its callers can use as it is.
#include "combat/Bonuses.h"
#include "content/DecorFile.h"
#include "content/LevelFiles.h"
#include "levels/TerrainQuery.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace {

using namespace NVolant;

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool finite(const Vector4& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

void gameEnemies(std::span<const std::uint8_t> bytes)
{
    LevelFiles::EnemyReport report;
    const auto records = LevelFiles::readEnemies(bytes, &report);
    const std::size_t whole = bytes.size() < 4 ? 0 : (bytes.size() - 4) / LevelFiles::kEnemyRecordSize;
    check(report.present <= whole && records.size() + report.dropped == report.present);
    int last = -1;
    for (const EnemyRecord& r : records) {
        check(r.index > last && finite(r.position) && r.position.w == 1.0f && r.speedClass >= 0 && r.speedClass <= 3);
        last = r.index;
    }
    // What was kept reads back unchanged, file indexes aside.
    const auto again = LevelFiles::readEnemies(LevelFiles::encodeEnemies(records));
    check(again.size() == records.size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EnemyRecord expected = records[i];
        expected.index = static_cast<int>(i);
        check(again[i] == expected);
    }
}

void gameBonuses(std::span<const std::uint8_t> bytes)
{
    std::uint32_t announced = 0;
    const auto records = LevelFiles::readBonuses(bytes, &announced);
    check(records.size() <= announced && (records.empty() || 4 + records.size() * 20 <= bytes.size()));
    for (const BonusRecord& r : records)
        for (float mapHeight : {0.0f, 5000.0f, INFINITY, NAN})
            if (Bonuses::placeable(r, mapHeight))
                check(r.kind >= 1 && r.kind <= 10 && finite(r.position) && r.position.x >= 0 &&
                      r.position.x <= 800 && r.position.y >= 0);
}

void gameMap(std::span<const std::uint8_t> bytes)
{
    TileMap map;
    if (!LevelFiles::readMap(bytes, map))
        return;
    check(map.columns > 0 && map.rows > 0 && map.cells.size() == static_cast<std::size_t>(map.columns) * map.rows);
    for (std::int32_t cell : map.cells)
        check(cell >= 0);
}

void gameDecor(std::span<const std::uint8_t> bytes)
{
    DecorFile::Report report;
    const Decor decor = DecorFile::read(bytes, &report);
    check(report.pieces == decor.pieces.size() && decor.props.size() + report.dropped == report.props);
    // Every prop kept can be drawn as it is: it names a real rectangle and a layer.
    for (const DecorProp& p : decor.props)
        check(DecorFile::usable(p, decor.pieces));
    // What was kept reads back unchanged.
    check(DecorFile::read(DecorFile::encode(decor)) == decor);
}

void toolFiles(std::span<const std::uint8_t> bytes)
{
    std::vector<EnemyRecord> enemies;
    if (LevelFiles::decodeEnemies(bytes, enemies))
        check(LevelFiles::encodeEnemies(enemies).size() == bytes.size());
    std::vector<BonusRecord> bonuses;
    if (LevelFiles::decodeBonuses(bytes, bonuses))
        check(LevelFiles::encodeBonuses(bonuses).size() == bytes.size());
    Decor decor;
    if (DecorFile::decode(bytes, decor))
        check(DecorFile::encode(decor) == std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    TileMap map;
    if (LevelFiles::decodeMap(bytes, map)) {
        check(LevelFiles::encodeMap(map).size() == bytes.size());
        const datagen::levels::TerrainQuery query(map);
        for (float x : {-1.0f, 0.0f, 15.5f, 799.0f, 1e9f})
            for (float y : {-3.0f, 0.0f, 31.0f, 4000.0f, 1e9f}) {
                query.tileAt(x, y);
                query.rectGround(x, y, x + 40, y + 40);
            }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    gameEnemies(bytes);
    gameBonuses(bytes);
    gameMap(bytes);
    gameDecor(bytes);
    toolFiles(bytes);
    return 0;
}
