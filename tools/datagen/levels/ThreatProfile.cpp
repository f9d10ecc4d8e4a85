#include "levels/ThreatProfile.h"

#include "levels/Placement.h"

#include <algorithm>
#include <cmath>

namespace datagen::levels {

ThreatProfile::ThreatProfile(const LevelData& level, const UnitCatalog& catalog)
{
    const std::size_t count =
        static_cast<std::size_t>(std::max(0.0f, std::ceil((level.height() - kScreen) / kStep))) + 1;
    m_windows.assign(count, 0.0f);
    for (const EnemyRecord& e : level.enemies) {
        if (enemyKindOf(e.type) == EnemyKind::Bridge || enemyKindOf(e.type) == EnemyKind::Unknown)
            continue;
        const float t = unitThreat(e, catalog.shapeOf(e.type));
        m_total += t;
        const auto [first, last] = screensHolding(e.position.y);
        for (int k = std::max(0, first); k <= last && k < static_cast<int>(count); ++k)
            m_windows[static_cast<std::size_t>(k)] += t;
    }
    for (std::size_t k = 0; k < count; ++k)
        if (m_windows[k] > m_peak) {
            m_peak = m_windows[k];
            m_peakY = static_cast<float>(k) * kStep + kScreen / 2;
        }
}

// The weights come from the pilots' flights: the lives each pilot lost per level, over four
// generations of all 30 levels (107 pilot-levels not cut short by game over), fitted by least
// squares with no weight below zero against what the levels hold, and where the deaths fell.
// A plane costs about two lives in a hundred passes whatever its pace; so does a hovering
// helicopter with a long gun, as it keeps firing its heavy missiles wherever the plane goes;
// then flak, heavy armed boats coming down the river, and fast boats.
// Guns on moving helicopters and rocket tanks made no difference the fit could see, so they
// weigh nothing here, and the balancer leaves them as placed.
float ThreatProfile::unitThreat(const EnemyRecord& unit, const UnitShape& shape)
{
    const auto range = static_cast<float>(std::max(0, unit.weaponRange));
    switch (enemyKindOf(unit.type)) {
    case EnemyKind::Boat: {
        // A boat coming down the river fires into the plane's face while the plane shoots at
        // it, the longer the tougher it is.
        const float gun = (placement::headsAtThePlane(unit.group) ? 0.25f : 0.05f) * range *
                          static_cast<float>(shape.hull) / 100.0f;
        return gun + (unit.speedClass >= 3 ? 0.4f : 0.0f);
    }
    case EnemyKind::Helic:
        return unit.speedClass == 0 ? 0.5f * range : 0.0f;
    case EnemyKind::Plane:
        return 2.0f;
    case EnemyKind::Tank:
        return shape.flak != 0 ? 0.32f * range : 0.0f;
    default:
        return 0.0f;
    }
}

std::pair<int, int> ThreatProfile::screensHolding(float y)
{
    return {static_cast<int>(std::floor((y - kScreen) / kStep)) + 1, static_cast<int>(std::floor(y / kStep))};
}

float ThreatProfile::around(float y) const
{
    if (m_windows.empty())
        return 0;
    const int k = static_cast<int>(std::lround((y - kScreen / 2) / kStep));
    return m_windows[static_cast<std::size_t>(std::clamp(k, 0, static_cast<int>(m_windows.size()) - 1))];
}

} // namespace datagen::levels
