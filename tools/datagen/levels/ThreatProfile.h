#pragma once

#include "levels/LevelData.h"
#include "levels/UnitCatalog.h"

#include <utility>
#include <vector>

namespace datagen::levels {

// How hard a level is to fly through, read off its units alone. A unit's threat is the lives
// an average pilot loses to it in a hundred passes: a plane by its pace, what fires by how
// far. Summed one screen of the valley at a time, it shows where a level bunches up its
// danger; summed over the level, what the level costs.
class ThreatProfile final {
public:
    static constexpr float kScreen = 600; // the height of the valley in sight
    static constexpr float kStep = 50;    // the windows' spacing

    ThreatProfile(const LevelData& level, const UnitCatalog& catalog);

    static float unitThreat(const EnemyRecord& unit, const UnitShape& shape);
    // The screens that hold height y: first and last index, the first possibly below zero.
    static std::pair<int, int> screensHolding(float y);

    float total() const { return m_total; }
    // The screen with the most threat: its sum and its middle.
    float peak() const { return m_peak; }
    float peakY() const { return m_peakY; }
    // The threat in the screen whose middle is at y.
    float around(float y) const;
    // Every screen's threat; screen k spans [k * kStep, k * kStep + kScreen).
    const std::vector<float>& screens() const { return m_windows; }

private:
    std::vector<float> m_windows;
    float m_total = 0, m_peak = 0, m_peakY = 0;
};

} // namespace datagen::levels
