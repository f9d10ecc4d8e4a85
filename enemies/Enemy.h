#pragma once

#include "content/LevelFiles.h"
#include "platform/Vector4.h"

#include <memory>

namespace NLib {
class Sprite;
}

namespace NVolant {

class Arena;
class CollitionCircles;
class Enemies;
class Shot;

// Every hostile object of a level: boats, helicopters, planes, bridges, tanks and buildings.
// Positions are world coordinates (y grows toward the level's end); the manager decides from the
// start position when an enemy is alive.
class Enemy {
public:
    // Takes a copy of the kind's master sprite and the game's next enemy identifier; lives in
    // the manager that made it.
    Enemy(Enemies& enemies, int type, const NLib::Sprite& master);
    Enemy(const Enemy&) = delete;
    Enemy& operator=(const Enemy&) = delete;
    virtual ~Enemy();

    virtual void draw(const Vector4& camera);
    virtual void drawShadow(const Vector4& camera);
    virtual void update(float dtMs);
    // Selects sprite group g when the sprite has it (0..7 only).
    virtual void setDirection(int g);
    // Damage done to the player by ramming; 0 when nothing touches.
    virtual int collideWithPlayer(const CollitionCircles& circles);
    // Whether the aim sight and the missile salvo may pick it (broken bridges and buildings
    // without a hit shape may not).
    virtual bool isTargetable() const { return true; }

    const Vector4& position() const { return m_position; }
    void setPosition(const Vector4& p) { m_position = p; }
    const Vector4& startPosition() const { return m_startPosition; }
    void setStartPosition(const Vector4& p) { m_startPosition = p; }
    int initialGroup() const { return m_initialGroup; }
    void setInitialGroup(int g) { m_initialGroup = g; }
    const Vector4& direction() const { return m_direction; }
    float speed() const { return m_speed; }
    int weaponRange() const { return m_weaponRange; }
    void setWeaponRange(int r) { m_weaponRange = r; }
    int speedClass() const { return m_speedClass; }
    void setSpeedClass(int s) { m_speedClass = s; }
    int type() const { return m_type; }
    int id() const { return m_id; }
    bool finished() const { return m_finished; }
    int value() const { return m_value; }
    int hull() const { return m_hull; }
    int group() const;
    float angle() const { return m_angle; }
    NLib::Sprite& sprite() { return *m_sprite; }
    const NLib::Sprite& sprite() const { return *m_sprite; }

    // Where a world point shows on screen with the given camera.
    static Vector4 screenPoint(const Vector4& world, const Vector4& camera);
    // The screen point of this enemy under its manager's camera.
    Vector4 screenPoint() const;

protected:
    // What the enemy's weapons, explosions and sounds act on.
    Arena& arena() const;
    // An explosion at the screen point, and the enemy is done.
    void explode();
    // The enemy's points to the score, shown where it died.
    void award();
    // The score statistics count planes, tanks and buildings together.
    enum class Kill { Boat, Helic, Plane };
    void countKill(Kill kill);
    // The heading of a level-file group shared by boats, tanks, buildings and helicopters:
    // sets direction and angle from the sprite's current group.
    void applyHeading();
    // The player's shots on the given hit shape placed at the position with the enemy's angle;
    // returns the damage taken (already subtracted from the hull).
    int takeHits(const CollitionCircles& shape);
    // Places, turns and launches an enemy projectile and hands it to the shot manager; rockets
    // and missiles carry the enemy rocket's flight and impact sounds, flak none.
    void launchShot(std::unique_ptr<Shot> shot, const Vector4& from, float angle, float range,
                    bool withSounds);
    // Whether the shape, placed at the position with the enemy's angle, touches the player's
    // circles (after a cheap distance test on the sprite's width).
    bool touches(const CollitionCircles& shape, const CollitionCircles& player) const;
    // Ramming that costs the enemy its life: on contact it explodes and its hull is the damage.
    int ram(const CollitionCircles& shape, const CollitionCircles& player);
    // The kind's speed for this enemy's speed class (0 for a class outside the table).
    float speedFrom(const float (&table)[4]) const;
    // (x, y) turned by angle degrees about the origin.
    static Vector4 turned(const Vector4& p, float angle);

    Enemies& m_enemies;
    Vector4 m_position{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 m_startPosition{0.0f, 0.0f, 0.0f, 1.0f};
    int m_initialGroup = 0;
    Vector4 m_direction{0.0f, 0.0f, 0.0f, 1.0f};
    int m_weaponRange = 0;
    float m_speed = 0.0f;
    int m_type;
    int m_id;
    int m_speedClass = 0;
    std::unique_ptr<NLib::Sprite> m_sprite;
    bool m_finished = false;
    int m_value = 0;
    int m_hull = 0;
    // Heading in degrees; turns the collision shapes (kinds that do not turn leave it 0).
    float m_angle = 0.0f;
};

} // namespace NVolant
