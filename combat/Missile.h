#pragma once

#include "combat/Shot.h"

#include <memory>

namespace NVolant {

class ParticleSystem;

// A missile of the player, of the kill-all salvo or of a helicopter. With a target it turns
// toward that enemy every update; when the enemy is gone it flies straight on.
class Missile final : public Shot {
public:
    static constexpr int kDamage = 100;

    explicit Missile(Arena& arena);
    // Explodes; its trail fades out in the effects manager.
    ~Missile() override;

    void draw(const Vector4& camera) override;
    void drawTrail() override;
    void update(float dtMs) override;
    int hitTest(const CollitionCircles& target) override;
    // Starts the trail at the nozzle.
    void launch() override;
    void cameraMoved(const Vector4& delta) override;

    // Enemy identifier to home on; 0 for none.
    void setTarget(int id) { m_target = id; }
    void setMaxSpeed(float pxPerMs) { m_maxSpeed = pxPerMs; }
    void setAcceleration(float pxPerMs2) { m_acceleration = pxPerMs2; }
    // Missile i (0..3) of a four-missile launch: the first fast, the others slower but
    // accelerating past the single missile's speed, so the four fan out along the path.
    void makeFourMissileVariant(int index);

    int target() const { return m_target; }
    float maxSpeed() const { return m_maxSpeed; }
    float acceleration() const { return m_acceleration; }
    float radius() const { return m_radius; }
    const ParticleSystem* trail() const { return m_trail.get(); }

private:
    float m_radius = 1.0f;
    float m_maxSpeed = 0.5f;
    int m_target = 0;
    float m_acceleration = 0.0f;
    // Kept while the missile flies; handed to the effects manager when it ends.
    std::unique_ptr<ParticleSystem> m_trail;
};

} // namespace NVolant
