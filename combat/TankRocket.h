#pragma once

#include "combat/Shot.h"

#include <memory>

namespace NVolant {

class ParticleSystem;

// The rocket of boats and tanks: accelerates from standstill, and at the end of its range bursts
// into a growing blast that can still catch the plane.
class TankRocket final : public Shot {
public:
    enum Phase { Flying = 0, Bursting = 1, Finished = 2 };
    static constexpr int kDamage = 50;

    explicit TankRocket(Arena& arena);
    ~TankRocket() override;

    void draw(const Vector4& camera) override;
    void drawTrail() override;
    void update(float dtMs) override;
    int hitTest(const CollitionCircles& target) override;
    void launch() override;
    void cameraMoved(const Vector4& delta) override;

    int phase() const { return m_phase; }
    float blastRadius() const { return m_blastRadius; }
    const ParticleSystem* trail() const { return m_trail.get(); }

private:
    // Stops the trail and hands it to the effects manager to fade out.
    void releaseTrail();

    int m_phase = Flying;
    float m_blastRadius = 1.0f;
    std::unique_ptr<ParticleSystem> m_trail;
};

} // namespace NVolant
