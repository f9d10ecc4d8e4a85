#pragma once

#include "combat/GameSounds.h"
#include "platform/Vector4.h"

#include <memory>

namespace NLib {
class Sprite;
}

namespace NVolant {

class Arena;
class ParticleSystem;

class CollitionCircles;

// A projectile of either side, in world coordinates. Built by its firer (setPosition, setAngle,
// launch, then sounds and target), then owned by the shot manager, which deletes it in the update
// after it is spent.
class Shot {
public:
    // Takes the game's next projectile identifier.
    explicit Shot(Arena& arena);
    Shot(const Shot&) = delete;
    Shot& operator=(const Shot&) = delete;
    // Stops the flight sound.
    virtual ~Shot();

    // The sprite unturned at the screen point of the position.
    virtual void draw(const Vector4& camera);
    // The sprite darkened, turned and shifted down-right.
    virtual void drawShadow(const Vector4& camera);
    // Flying shots draw their trail below every shot.
    virtual void drawTrail() {}
    // Advances the animation.
    virtual void update(float dtMs);
    // Damage done to a target's placed circles; 0 when missing. A hit spends the shot.
    virtual int hitTest(const CollitionCircles& target);
    virtual void launch() {}
    // The view scrolled by delta: what the shot keeps on screen (its trail) stays put in the world.
    virtual void cameraMoved(const Vector4& delta) { (void)delta; }

    void setPosition(const Vector4& p) { m_position = p; }
    // Degrees, 0 straight up the screen, positive turning toward -x: direction (-sin a, cos a).
    void setAngle(float degrees);
    void setSounds(SoundCue flight, SoundCue impact);
    void setSpeed(float pxPerMs) { m_speed = pxPerMs; }
    void setRange(float px) { m_range = px; }

    const Vector4& position() const { return m_position; }
    const Vector4& direction() const { return m_direction; }
    float speed() const { return m_speed; }
    float angle() const { return m_angle; }
    float range() const { return m_range; }
    float travelled() const { return m_travelled; }
    bool spent() const { return m_spent; }
    int identifier() const { return m_identifier; }
    SoundCue flightSound() const { return m_flightSound; }
    SoundCue impactSound() const { return m_impactSound; }
    const NLib::Sprite* sprite() const { return m_sprite.get(); }

    // (x, camera.y + 600 - y): where a world point shows on screen.
    static Vector4 toScreen(const Vector4& world, const Vector4& camera);

protected:
    // The coarse reach test all kinds share: false when the target's shape is too far away to be
    // touched (more than twice its bounding radius from its centre).
    bool withinReach(const CollitionCircles& target) const;
    // Keeps the flight sound alive and placed; call once per update.
    void updateFlightSound();
    void stopFlightSound();
    void playImpactSound(float distance);
    // Moves a trail's emitter onto the shot's tail where the flight has now taken it.
    void placeTrailAtTail(ParticleSystem& trail) const;
    // The camera of the game's shots, for what a projectile places on screen outside drawing.
    const Vector4& camera() const;

    Arena& m_arena;

    Vector4 m_position{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 m_direction{0.0f, 1.0f, 0.0f, 1.0f};
    float m_speed = 0.0f;
    float m_angle = 0.0f;
    float m_range = 100.0f;
    float m_travelled = 0.0f;
    std::unique_ptr<NLib::Sprite> m_sprite;
    bool m_spent = false;
    SoundCue m_flightSound = SoundCue::None;
    SoundCue m_impactSound = SoundCue::None;
    int m_identifier = 0;
};

} // namespace NVolant
