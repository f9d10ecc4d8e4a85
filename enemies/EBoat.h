#pragma once

#include "enemies/Enemy.h"
#include "gameplay/EBoatParams.h"

#include <memory>
#include <vector>

namespace NVolant {

class Enemies;

class ParticleSystem;

// Patrols the open river, turning back at any map tile and at the screen's edges, leaves a wake,
// fires rockets down the screen and burns once hit. Type codes 0..3.
class EBoat final : public Enemy {
public:
    // World units per millisecond by speed class.
    static constexpr float kSpeeds[4] = {0.0f, 0.05f, 0.08f, 0.12f};
    static constexpr float kFirePeriod = 1400.0f;
    static constexpr float kRangeUnit = 120.0f;

    EBoat(Enemies& enemies, int type, const NLib::Sprite& master, const EBoatParams& params);
    ~EBoat() override;

    void draw(const Vector4& camera) override;
    void update(float dtMs) override;
    void setDirection(int g) override;
    int collideWithPlayer(const CollitionCircles& circles) override;

    const EBoatParams& params() const { return m_params; }
    std::size_t fireCount() const { return m_fires.size(); }
    bool hasWake() const { return m_wake != nullptr; }
    float fireCooldown() const { return m_fireCooldown; }

private:
    void startWake();
    // The wake's particles fade out after the boat; the effects manager keeps them till then.
    void releaseWake();
    void fireRocket();
    // Moves the wake's emitter onto the stern after each step.
    void followWithWake();

    EBoatParams m_params;
    float m_fireCooldown = 0.0f;
    std::vector<std::unique_ptr<NLib::Sprite>> m_fires;
    ParticleSystem* m_wake = nullptr; // owned by the effects manager
};

} // namespace NVolant
