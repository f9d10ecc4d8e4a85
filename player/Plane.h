#pragma once

#include "combat/BonusReceiver.h"
#include "gameplay/CollitionCircles.h"
#include "platform/Vector4.h"

#include <cstdint>
#include <memory>

namespace NLib {
class Sprite;
}

namespace NVolant {

class AimSight;
class Arena;
class ParticleSystem;
class PlaneParams;
struct PlayerControls;
struct SteeringPoint;

enum class PlaneState : std::int32_t {
    Flying = 0,
    Exploding = 1,
    Destroyed = 2,
    LeavingLevel = 3,
    LevelLeft = 4,
};

// The player's aircraft, one per life. Steers toward the steering point of the player's controls
// (pushed further by the steering keys), banks through its sprite's groups, drives the scrolling of the world
// with its speed, fires the cannon and missiles, takes damage, trails smoke and fire when hurt, explodes, and
// climbs away at the end of a level. Works in screen coordinates; the camera offset turns them into world
// coordinates.
class Plane final : public BonusReceiver {
public:
    static constexpr float kBottomMargin = 100.0f;
    static constexpr float kBulletPeriod = 60.0f;   // ms
    static constexpr float kMissilePeriod = 500.0f; // ms
    static constexpr float kFourMissileExtra = 400.0f;
    static constexpr float kStealthPerBonus = 20000.0f; // ms
    static constexpr float kTakeOverStealth = 2000.0f;  // ms
    // Each frame the plane closes this share of the distance to its target: about a quarter.
    static constexpr float kSteerDivisor = 4.1f;

    // Fires, sounds and picks up bonuses in the game's arena.
    explicit Plane(Arena& arena);
    Plane(const Plane&) = delete;
    Plane& operator=(const Plane&) = delete;
    // Silences the engine.
    ~Plane() override;

    // p: the level's start point in world coordinates.
    void setStart(const Vector4& p);
    // Continues where the lost plane was: same place, same view, and half visible for a moment
    // in which nothing can hit it. Hull, weapons and speed start afresh.
    void takeOver(const Plane& old);
    void beginLevelExit();

    void update(float dtMs, const PlayerControls& controls);
    virtual void draw();
    // Points of damage; ignored unless flying and at least 1.
    void applyDamage(int points);

    Vector4 worldPosition() const;
    const Vector4& cameraOffset() const { return m_cameraOffset; }
    // The parameter file's shapes, turned and moved to the plane's world position.
    CollitionPoints collisionPoints() const;
    CollitionCircles collisionCircles() const override;

    // Bonus effects (the bonus itself plays the pick-up chime).
    void addDamage() override;
    void enableDoubleFire() override;
    void enableDoubleMissile() override;
    void addStealth() override;
    void enableFourMissiles() override;
    void enableAutoAim() override;
    void repair() override;
    void repairAll() override;
    void addHull() override;
    void launchAtAllTargets() override;

    PlaneState state() const { return m_state; }
    float speed() const { return m_speed; }
    float alpha() const { return m_alpha; }
    int hull() const { return m_hull; }
    int maxHull() const { return m_maxHull; }
    const Vector4& position() const { return m_position; }
    // Where the plane is drawn: between its last two steps while frames are drawn between
    // steps, else where it is.
    Vector4 drawnPosition() const;
    const Vector4& target() const { return m_target; }
    // The target in whole pixels: where the next frame's steering starts unless the player moves.
    SteeringPoint steeringPoint() const;
    const Vector4& lastTarget() const { return m_lastTarget; }
    const Vector4& exitPosition() const { return m_exitPosition; }
    float angle() const { return m_angle; }
    int bulletKind() const { return m_bulletKind; }
    bool doubleFire() const { return m_doubleFire; }
    bool doubleMissile() const { return m_doubleMissile; }
    bool fourMissiles() const { return m_fourMissiles; }
    float stealthTime() const { return m_stealthTime; }
    float bulletCooldown() const { return m_bulletCooldown; }
    float missileCooldown() const { return m_missileCooldown; }
    const NLib::Sprite& sprite() const { return *m_sprite; }
    const NLib::Sprite* explosion() const { return m_explosion.get(); }
    const AimSight& aimSight() const { return *m_aimSight; }
    const ParticleSystem* smoke() const { return m_smoke.get(); }
    const ParticleSystem* fire() const { return m_fire.get(); }

private:
    void steer(float dtMs, const PlayerControls& controls);
    void fire(float dtMs, const PlayerControls& controls);
    void launchMissile(const Vector4& at, int target);
    void explode();
    void updateDamageSmoke();
    void stopDamageSmoke();
    void moveEmitters(float x, float y, bool carry);
    void drawDamageSmoke();

    Arena& m_arena;
    PlaneState m_state = PlaneState::Flying;
    Vector4 m_position{400.0f, 500.0f, 0.0f, 1.0f};
    // Where the newest step began: a frame drawn between steps shows the plane between the two.
    Vector4 m_stepFrom{400.0f, 500.0f, 0.0f, 1.0f};
    Vector4 m_cameraOffset{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 m_exitPosition{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 m_target{400.0f, 500.0f, 0.0f, 1.0f};
    Vector4 m_lastTarget{400.0f, 500.0f, 0.0f, 1.0f};
    float m_exitSpeed = 0.0f;
    Vector4 m_forward{0.0f, 1.0f, 0.0f, 1.0f};
    Vector4 m_shadowDrift{0.0f, 0.0f, 0.0f, 1.0f};
    const PlaneParams* m_params = nullptr;
    float m_speed = 0.0f;
    float m_bottomMargin = kBottomMargin;
    float m_angle = 0.0f;
    std::unique_ptr<NLib::Sprite> m_sprite;
    std::unique_ptr<NLib::Sprite> m_explosion;
    float m_bulletCooldown = 0.0f;
    float m_bulletPeriod = kBulletPeriod;
    float m_missileCooldown = 0.0f;
    int m_bulletKind = 0;
    bool m_doubleFire = false;
    bool m_doubleMissile = false;
    float m_stealthTime = 0.0f;
    float m_alpha = 1.0f;
    bool m_fourMissiles = false;
    std::unique_ptr<AimSight> m_aimSight;
    int m_hull = 0;
    int m_maxHull = 0;
    std::unique_ptr<ParticleSystem> m_smoke;
    std::unique_ptr<ParticleSystem> m_fire;
    int m_smokeTemplate = -1; // index of the registry's particle template the smoke was built from
};

} // namespace NVolant
