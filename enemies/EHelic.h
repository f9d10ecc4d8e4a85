#pragma once

#include "enemies/Enemy.h"

namespace NVolant {

class Enemies;

class EnemyParams;

// Hovers or patrols over the river or over its banks, turning back at the screen's edges and
// where the ground under it changes from what it started over, and fires missiles along its
// heading. Type codes 100..103.
class EHelic final : public Enemy {
public:
    static constexpr float kSpeeds[4] = {0.0f, 0.04f, 0.07f, 0.1f};
    static constexpr float kFirePeriod = 1500.0f;
    static constexpr float kRangeUnit = 100.0f;
    static constexpr float kEngineDistance = 400.0f;

    EHelic(Enemies& enemies, int type, const NLib::Sprite& master, const EnemyParams& params);
    ~EHelic() override;

    void drawShadow(const Vector4& camera) override;
    void update(float dtMs) override;
    void setDirection(int g) override;
    int collideWithPlayer(const CollitionCircles& circles) override;

    const EnemyParams& params() const { return *m_params; }
    bool startedOverTile() const { return m_startedOverTile; }
    float fireCooldown() const { return m_fireCooldown; }

private:
    void move(float dtMs);
    void fireMissile();

    const EnemyParams* m_params;
    float m_fireCooldown = 0.0f;
    bool m_startedOverTile = false;
    bool m_startTested = false;
};

} // namespace NVolant
