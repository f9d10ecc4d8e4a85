#include "enemies/Enemy.h"

#include "combat/Arena.h"
#include "combat/Shot.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "gameplay/CollitionCircles.h"
#include "platform/Angles.h"
#include "platform/Screen.h"

#include <cmath>

namespace NVolant {

Enemy::Enemy(Enemies& enemies, int type, const NLib::Sprite& master)
    : m_enemies(enemies), m_type(type), m_id(enemies.arena().ids().nextEnemy()),
      m_sprite(std::make_unique<NLib::Sprite>(master))
{
}

Enemy::~Enemy() = default;

Arena& Enemy::arena() const
{
    return m_enemies.arena();
}

Vector4 Enemy::screenPoint(const Vector4& world, const Vector4& camera)
{
    return {world.x, camera.y + static_cast<float>(kScreenHeight) - world.y, world.z, 1.0f};
}

Vector4 Enemy::screenPoint() const
{
    return screenPoint(m_position, m_enemies.camera());
}

int Enemy::group() const
{
    return m_sprite->currentGroup;
}

void Enemy::draw(const Vector4& camera)
{
    m_sprite->draw(screenPoint(m_position, camera));
}

void Enemy::drawShadow(const Vector4&)
{
}

void Enemy::update(float dtMs)
{
    m_sprite->update(dtMs);
}

void Enemy::setDirection(int g)
{
    if (g >= 0 && g < 8 && g < m_sprite->groupCount)
        m_sprite->setGroup(g);
}

int Enemy::collideWithPlayer(const CollitionCircles&)
{
    return 0;
}

void Enemy::applyHeading()
{
    // The diagonals are (0, 1) turned by their angle; the straight headings are exact.
    m_direction.set(0.0f, 1.0f, 0.0f, 1.0f);
    m_angle = 0.0f;
    switch (m_sprite->currentGroup) {
    case 0:
        break;
    case 2:
        m_angle = -90.0f;
        m_direction.set(1.0f, 0.0f);
        break;
    case 4:
        m_angle = 180.0f;
        m_direction.set(0.0f, -1.0f);
        break;
    case 6:
        m_angle = 90.0f;
        m_direction.set(-1.0f, 0.0f);
        break;
    case 1:
    case 3:
    case 5:
    case 7: {
        static constexpr float kDiagonals[8] = {0, -45, 0, -135, 0, 135, 0, 45};
        m_angle = kDiagonals[m_sprite->currentGroup];
        const float a = degToRad(m_angle);
        m_direction.set(-std::sin(a), std::cos(a));
        break;
    }
    default:
        break;
    }
}

int Enemy::takeHits(const CollitionCircles& shape)
{
    CollitionCircles placed = shape;
    placed.place(m_position, m_angle);
    const int damage = arena().shots().hitByPlayerShot(placed);
    if (damage > 0)
        m_hull -= damage;
    return damage;
}

bool Enemy::touches(const CollitionCircles& shape, const CollitionCircles& player) const
{
    if ((player.centre() - m_position).length() > m_sprite->frameWidth + player.boundingRadius())
        return false;
    CollitionCircles placed = shape;
    placed.place(m_position, m_angle);
    return placed.overlaps(player);
}

int Enemy::ram(const CollitionCircles& shape, const CollitionCircles& player)
{
    if (!touches(shape, player))
        return 0;
    explode();
    return m_hull;
}

float Enemy::speedFrom(const float (&table)[4]) const
{
    return m_speedClass >= 0 && m_speedClass < 4 ? table[m_speedClass] : 0.0f;
}

Vector4 Enemy::turned(const Vector4& p, float angle)
{
    const float a = degToRad(angle);
    float c = std::cos(a);
    float s = std::sin(a);
    if (std::isnan(c))
        c = 0.0f;
    if (std::isnan(s))
        s = 0.0f;
    return {c * p.x - s * p.y, s * p.x + c * p.y, p.z, p.w};
}

void Enemy::launchShot(std::unique_ptr<Shot> shot, const Vector4& from, float angle, float range,
                       bool withSounds)
{
    shot->setPosition(from);
    shot->setAngle(angle);
    shot->setRange(range);
    shot->launch();
    if (withSounds)
        shot->setSounds(SoundCue::EnemyMissile, SoundCue::EnemyMissileExpl);
    arena().shots().addEnemy(std::move(shot));
}

void Enemy::explode()
{
    arena().effects().addRandomExplosion(screenPoint());
    m_finished = true;
}

void Enemy::award()
{
    arena().scores().addScore(m_value, m_position);
}

void Enemy::countKill(Kill kill)
{
    Scores* scores = &arena().scores();
    switch (kill) {
    case Kill::Boat:
        scores->countBoat();
        break;
    case Kill::Helic:
        scores->countHelic();
        break;
    case Kill::Plane:
        scores->countPlane();
        break;
    }
}

} // namespace NVolant
