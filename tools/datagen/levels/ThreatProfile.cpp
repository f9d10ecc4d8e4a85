#include "levels/ThreatProfile.h"

#include <algorithm>
#include <cmath>

namespace datagen::levels {

ThreatProfile::ThreatProfile(const std::vector<EnemyRecord>& enemies, const UnitCatalog& catalog,
                             float levelHeight)
    : m_height(levelHeight)
{
    const std::size_t count =
        static_cast<std::size_t>(std::max(0.0f, std::ceil((levelHeight - kScreen) / kStep))) + 1;
    m_windows.assign(count, 0.0f);
    for (const EnemyRecord& e : enemies) {
        if (enemyKindOf(e.type) == EnemyKind::Bridge || enemyKindOf(e.type) == EnemyKind::Unknown)
            continue;
        const float t = unitThreat(e, catalog.shapeOf(e.type));
        m_total += t;
        // Every window that holds the unit's height.
        const int last = static_cast<int>(std::floor(e.position.y / kStep));
        const int first = static_cast<int>(std::floor((e.position.y - kScreen) / kStep)) + 1;
        for (int k = std::max(0, first); k <= last && k < static_cast<int>(count); ++k)
            m_windows[static_cast<std::size_t>(k)] += t;
    }
    for (std::size_t k = 0; k < count; ++k)
        if (m_windows[k] > m_peak) {
            m_peak = m_windows[k];
            m_peakY = static_cast<float>(k) * kStep + kScreen / 2;
        }
}

// The weights come from the pilots' flights: the lives each pilot lost per level, over three
// generations of all 30 levels, fitted (least squares, no weight below zero) against what the
// levels hold. Planes dominate, a fast formation above all, since it dives at the plane faster
// than a hand follows; then flak, and boats racing down the river at the plane. Guns on boats,
// helicopters and rocket tanks made no difference the fit could see, so they weigh nothing
// here, and the balancer leaves them as placed.
float ThreatProfile::unitThreat(const EnemyRecord& unit, const UnitShape& shape)
{
    const int speed = std::clamp(unit.speedClass, 0, 3);
    switch (enemyKindOf(unit.type)) {
    case EnemyKind::Boat: {
        const bool atThePlane = unit.group >= 3 && unit.group <= 5;
        return atThePlane && speed >= 2 ? 0.8f * static_cast<float>(speed - 1) : 0.0f;
    }
    case EnemyKind::Plane: {
        constexpr float kDive[4] = {1.5f, 1.8f, 5.0f, 6.0f};
        return kDive[speed];
    }
    case EnemyKind::Tank:
        return shape.flak != 0 ? 0.7f * static_cast<float>(std::max(0, unit.weaponRange)) : 0.0f;
    default:
        return 0.0f;
    }
}

float ThreatProfile::perMinute() const
{
    return m_height > 0 ? m_total / (m_height / 6000.0f) : 0.0f;
}

float ThreatProfile::around(float y) const
{
    if (m_windows.empty())
        return 0;
    const int k = static_cast<int>(std::lround((y - kScreen / 2) / kStep));
    return m_windows[static_cast<std::size_t>(std::clamp(k, 0, static_cast<int>(m_windows.size()) - 1))];
}

} // namespace datagen::levels
