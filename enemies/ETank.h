#pragma once

#include "enemies/Enemy.h"
#include "gameplay/ETankParams.h"

namespace NVolant {

class Enemies;

// Stands on the bank and fires rockets or bursts of flak from its shot origins. Type codes
// 400..404.
class ETank final : public Enemy {
public:
    static constexpr float kRocketPeriod = 1000.0f;
    static constexpr float kFlakPeriod = 100.0f;
    static constexpr float kBurstPause = 1500.0f;
    static constexpr float kRangeUnit = 100.0f;

    ETank(Enemies& enemies, int type, const NLib::Sprite& master, const ETankParams& params);

    void update(float dtMs) override;
    void setDirection(int g) override;

    const ETankParams& params() const { return m_params; }
    float fireCooldown() const { return m_fireCooldown; }
    float burstPause() const { return m_burstPause; }
    int burstLeft() const { return m_burstLeft; }

private:
    void fireRocket();
    void fireFlak();

    ETankParams m_params;
    float m_fireCooldown;
    float m_burstPause;
    int m_burstLeft;
};

} // namespace NVolant
