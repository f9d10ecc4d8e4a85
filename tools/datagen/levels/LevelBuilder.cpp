#include "levels/LevelBuilder.h"

#include "levels/BonusPlacer.h"
#include "levels/DecorPlacer.h"
#include "levels/LevelFiles.h"
#include "levels/MapBuilder.h"
#include "levels/River.h"
#include "levels/UnitPlacer.h"

#include <algorithm>
#include <cmath>

namespace datagen::levels {

namespace {

LevelData build(int number, const UnitCatalog& catalog, int attempt, bool decor)
{
    Rng rng(seedOf(0x5C7A7E, static_cast<std::uint64_t>(number), static_cast<std::uint64_t>(attempt)));
    LevelData level;
    level.number = number;
    level.plan = planFor(number);
    level.folder = levelFolder(number);
    level.mapPath = level.folder + "map.dat";

    // The map ends 750 px above the last scroll position; flying at 0.1 px/ms takes the
    // planned time from the start to that scroll.
    const float flight = static_cast<float>(level.plan.seconds) * 100.0f;
    level.map.rows = static_cast<int>(std::ceil((flight + 750.0f) / 32.0f));
    level.bridges = bridgeHeights(level.endScroll(), rng);

    River::Settings rs;
    rs.length = static_cast<float>(level.map.rows * 32);
    rs.bridges = level.bridges;
    // The water under a bridge stays well inside its span, so both ends rest on land.
    rs.bridgeHalfWidth = std::clamp(catalog.bridge.frameWidth / 2 - 56, 40.0f, 110.0f);
    rs.forks = 1 + (number >= 4) + (number >= 14) + (level.plan.seconds >= 200);
    rs.minHalfWidth = std::max(56.0f, catalog.boats[0].frameHeight * 0.75f);
    rs.maxHalfWidth = number <= 3 ? 170.0f : 150.0f;
    const River river(rs, rng);
    for (const auto& f : river.forks())
        level.notes.push_back({(f.first + f.second) / 2, "island"});

    buildTerrain(level, river, rng);
    UnitPlacer placer(level, catalog, rng);
    placer.placeAll();
    placeBonuses(level, placer.encounters(), rng);
    // The scenery comes last and draws from its own stream: the level is the same without it.
    if (decor) {
        level.decor = DecorPlacer(level, river, catalog).place();
        level.decorPath = level.folder + "decor.dat";
    }
    return level;
}

} // namespace

LevelData buildLevel(int number, const UnitCatalog& catalog, int attempt)
{
    return build(number, catalog, attempt, true);
}

LevelData buildLevelWithoutDecor(int number, const UnitCatalog& catalog, int attempt)
{
    return build(number, catalog, attempt, false);
}

} // namespace datagen::levels
