#pragma once

#include "platform/Vector4.h"

namespace NLib {
class Sprite;
}

namespace NVolant {

class Arena;

// The plane's automatic aiming aid, switched on by the auto-aim bonus. Every frame it picks the
// first enemy in a narrow cone ahead; while on, the cannon leads that enemy, and once the same
// enemy has stayed picked for the lock time new missiles home on it.
class AimSight final {
public:
    static constexpr float kConeDegrees = 15.0f;
    static constexpr float kLockTime = 200.0f; // ms
    static constexpr float kAheadDistance = 300.0f;

    // Looks for targets among the arena's.
    explicit AimSight(const Arena& arena);
    AimSight(const AimSight&) = delete;
    AimSight& operator=(const AimSight&) = delete;
    virtual ~AimSight() = default;

    // Switching on shows the sight 300 pixels above the plane.
    void setActive(bool on);
    // A missile is ready.
    void setArmed(bool armed) { m_armed = armed; }
    // Picks the target for this frame (whether or not the sight is on).
    void track(const Vector4& planeWorld, const Vector4& camera);
    // Glides the sight toward the aim point and runs the lock; called twice per frame.
    void update(float dtMs);
    // Bullet heading in degrees that leads the target; 0 while off.
    float bulletAngle() const;
    // Enemy identifier new missiles home on: the locked target while on, else 0.
    int missileTarget() const;
    void draw();

    bool active() const { return m_active; }
    bool armed() const { return m_armed; }
    int targetId() const { return m_targetId; }
    float lockTimer() const { return m_lockTimer; }
    float angle() const { return m_angle; }
    const Vector4& aimPoint() const { return m_aimPoint; }
    const Vector4& shownPoint() const { return m_shownPoint; }
    const Vector4& startPoint() const { return m_startPoint; }

private:
    const Arena& m_arena;
    NLib::Sprite* m_sprite = nullptr; // the registry's master
    bool m_active = false;
    Vector4 m_planeWorld{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 m_camera{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 m_aimPoint{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 m_shownPoint{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 m_startPoint{0.0f, 0.0f, 0.0f, 1.0f};
    float m_lockTimer = kLockTime;
    float m_lockTime = kLockTime;
    bool m_armed = false;
    int m_targetId = 0;
    float m_angle = 0.0f;
};

} // namespace NVolant
