#include "levels/BonusPlacer.h"

#include <algorithm>
#include <cmath>

namespace datagen::levels {

namespace {

constexpr float kClearOfEnemies = 110;
constexpr float kClearOfBridges = 260;

struct Wish {
    int kind;
    float y; // desired height; the placer looks for a free spot near it
};

bool spotFree(const LevelData& level, float x, float y)
{
    for (const EnemyRecord& e : level.enemies) {
        if (enemyKindOf(e.type) == EnemyKind::Plane || enemyKindOf(e.type) == EnemyKind::Bridge)
            continue;
        if (std::hypot(e.position.x - x, e.position.y - y) < kClearOfEnemies)
            return false;
    }
    for (float by : level.bridges)
        if (std::fabs(by - y) < kClearOfBridges)
            return false;
    for (const BonusRecord& b : level.bonuses)
        if (std::hypot(b.position.x - x, b.position.y - y) < 150)
            return false;
    return true;
}

} // namespace

void placeBonuses(LevelData& level, const std::vector<Encounter>& fights, Rng& rng)
{
    const int n = level.plan.number;
    const float lastBridge = level.bridges.empty() ? level.endScroll() : level.bridges.back();
    const float top = lastBridge - kClearOfBridges - 100;
    std::vector<Wish> wishes;

    // Weapons early: the cannon first, then double fire and the missile upgrades.
    wishes.push_back({kAddDamage, 900});
    if (n >= 2)
        wishes.push_back({kDoubleFire, 2600});
    else
        wishes.push_back({kDoubleFire, level.bridges.front() + 600});
    if (n >= 3)
        wishes.push_back({kDoubleMissile, level.bridges.front() + 500});
    if (n >= 6)
        wishes.push_back({kAddDamage, level.bridges.front() + 900});
    if (n >= 5)
        wishes.push_back({kAutoAim, 1800 + 60.0f * static_cast<float>(n)});
    if (n >= 9)
        wishes.push_back(
            {kFourMissiles, level.bridges[std::min<std::size_t>(1, level.bridges.size() - 1)] + 500});
    if (n >= 8)
        wishes.push_back({kAddHull, level.bridges.front() - 700});

    // Repairs after the hardest stretches, protection right before them.
    std::vector<Encounter> byThreat = fights;
    std::stable_sort(byThreat.begin(), byThreat.end(),
                     [](const Encounter& a, const Encounter& b) { return a.threat > b.threat; });
    const std::size_t repairs = std::min<std::size_t>(byThreat.size(), 1 + static_cast<std::size_t>(n) / 6);
    for (std::size_t i = 0; i < repairs; ++i) {
        const Encounter& f = byThreat[i];
        wishes.push_back({(i == 0 && n >= 10) ? kRepairAll : kRepair, f.y1 + 350});
    }
    if (n >= 6 && !byThreat.empty())
        wishes.push_back({kStealth, byThreat[0].y0 - 450});
    if (n >= 4 && byThreat.size() > 1)
        wishes.push_back({kKillAll, byThreat[1].y0 - 350});
    if (n >= 15 && byThreat.size() > 2)
        wishes.push_back({kKillAll, byThreat[2].y0 - 350});

    for (const Wish& w : wishes) {
        const float want = std::clamp(w.y, 700.0f, top);
        bool done = false;
        for (int t = 0; t < 200 && !done; ++t) {
            const float spread = 80.0f + 12.0f * static_cast<float>(t);
            const float y =
                std::round(std::clamp(want + static_cast<float>(rng.uniform(-spread, spread)), 600.0f, top));
            const float x = std::round(static_cast<float>(rng.uniform(110, 690)));
            if (spotFree(level, x, y)) {
                level.bonuses.push_back({w.kind, Vector4(x, y)});
                done = true;
            }
        }
    }
    std::stable_sort(level.bonuses.begin(), level.bonuses.end(),
                     [](const BonusRecord& a, const BonusRecord& b) { return a.position.y < b.position.y; });
}

} // namespace datagen::levels
