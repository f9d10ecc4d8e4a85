#pragma once

#include "combat/Shot.h"

namespace NVolant {

// A cannon round: the player's three calibres (kinds 0, 1, 2) and the enemies' flak (3, 4). Fast,
// so it is tested along the whole path of its last step and cannot skip through a target.
class Bullet final : public Shot {
public:
    // Any other kind builds kind 0.
    Bullet(Arena& arena, int kind);
    // Leaves an impact where it hit or gave out.
    ~Bullet() override;

    void draw(const Vector4& camera) override;
    void drawShadow(const Vector4& camera) override;
    void update(float dtMs) override;
    int hitTest(const CollitionCircles& target) override;
    // The path of the first step starts where the bullet was placed.
    void launch() override;

    int kind() const { return m_kind; }
    int damage() const { return m_damage; }
    float radius() const { return m_radius; }
    const Vector4& previousPosition() const { return m_previousPosition; }

private:
    int m_kind = 0;
    float m_radius = 1.0f;
    Vector4 m_previousPosition{0.0f, 0.0f, 0.0f, 1.0f};
    int m_damage = 8;
};

} // namespace NVolant
