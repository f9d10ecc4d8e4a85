// The level tools' readers of "enemies.dat", "bonuses.dat" and the map file on arbitrary
// bytes: each must stay inside the buffer and reject sizes that disagree with their counts.
#include "levels/LevelFormat.h"
#include "levels/TerrainQuery.h"

#include <cstdint>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace datagen::levels;
    const std::span<const std::uint8_t> bytes(data, size);
    std::vector<EnemyRecord> enemies;
    if (decodeEnemies(bytes, enemies) && encodeEnemies(enemies).size() != size)
        __builtin_trap();
    std::vector<BonusRecord> bonuses;
    if (decodeBonuses(bytes, bonuses) && encodeBonuses(bonuses).size() != size)
        __builtin_trap();
    TileMap map;
    if (decodeMap(bytes, map)) {
        const TerrainQuery q(map);
        for (float x : {-1.0f, 0.0f, 15.5f, 799.0f, 1e9f})
            for (float y : {-3.0f, 0.0f, 31.0f, 4000.0f, 1e9f}) {
                q.tileAt(x, y);
                q.rectGround(x, y, x + 40, y + 40);
            }
    }
    return 0;
}
