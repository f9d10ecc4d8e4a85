#pragma once

#include "levels/LevelData.h"
#include "levels/UnitCatalog.h"

namespace datagen::levels {

// Builds level n in memory: plan, bridges, river, tile map, sectors, enemies and bonuses.
// The same number, attempt and catalogue always give the same level.
LevelData buildLevel(int number, const UnitCatalog& catalog, int attempt = 0);
// The same level without its scenery, as a level with no decor file plays.
LevelData buildLevelWithoutDecor(int number, const UnitCatalog& catalog, int attempt = 0);

} // namespace datagen::levels
