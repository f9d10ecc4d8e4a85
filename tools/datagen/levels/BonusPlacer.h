#pragma once

#include "levels/LevelData.h"
#include "levels/Rng.h"
#include "levels/UnitPlacer.h"

#include <vector>

namespace datagen::levels {

// Bonus kinds as the level file numbers them.
enum BonusKind : int {
    kKillAll = 1,
    kAddDamage = 2,
    kDoubleFire = 3,
    kDoubleMissile = 4,
    kStealth = 5,
    kFourMissiles = 6,
    kAutoAim = 7,
    kRepair = 8,
    kRepairAll = 9,
    kAddHull = 10,
};

// Lays out the level's bonuses once its fights are known. Every level starts with a fresh
// plane, so the weapon upgrades come early in every level; repairs follow the hardest
// stretches, stealth and the kill-all salvo come just before them. Bonuses sit in the quiet
// gaps, clear of enemies and bridges, where the plane can fly.
void placeBonuses(LevelData& level, const std::vector<Encounter>& fights, Rng& rng);

} // namespace datagen::levels
