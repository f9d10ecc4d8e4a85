#include "enemies/ETank.h"

#include "combat/Arena.h"
#include "combat/Bullet.h"
#include "combat/TankRocket.h"
#include "content/Random.h"
#include "content/Sprite.h"

namespace NVolant {

namespace {

// A random integer in [a, b) from the game's integer choices, as the tanks' burst sizes always were.
int randomBetween(NLib::Random& random, int a, int b)
{
    return b > a ? a + random.integer() % (b - a) : a;
}

} // namespace

ETank::ETank(Enemies& enemies, int type, const NLib::Sprite& master, const ETankParams& params)
    : Enemy(enemies, type, master), m_params(params),
      m_fireCooldown(arena().random().between(10.0f, 1000.0f)),
      m_burstPause(arena().random().between(10.0f, 1000.0f)),
      m_burstLeft(randomBetween(arena().random(), 3, 12))
{
    m_value = m_hull = m_params.hull;
}

void ETank::setDirection(int g)
{
    Enemy::setDirection(g);
    applyHeading();
}

void ETank::update(float dtMs)
{
    m_sprite->update(dtMs);

    if (!m_finished && m_weaponRange != 0 && m_params.hasShootPos()) {
        if (m_params.flak == 0) {
            if (m_fireCooldown >= 0.0f) {
                m_fireCooldown -= dtMs;
            } else {
                m_fireCooldown = kRocketPeriod;
                fireRocket();
            }
        } else if (m_burstPause >= 0.0f) {
            m_burstPause -= dtMs;
        } else if (m_fireCooldown >= 0.0f) {
            m_fireCooldown -= dtMs;
        } else {
            m_fireCooldown = kFlakPeriod;
            fireFlak();
        }
    }

    if (takeHits(m_params.collisionCircles) > 0 && m_hull < 1) {
        explode();
        award();
        countKill(Kill::Plane);
    }
}

void ETank::fireRocket()
{
    const Vector4 from = m_position + m_params.shootPosFor(m_initialGroup);
    launchShot(std::make_unique<TankRocket>(arena()), from, m_angle,
               static_cast<float>(m_weaponRange) * kRangeUnit, true);
}

void ETank::fireFlak()
{
    const int kind = m_params.flak == 1 ? 3 : 4;
    const float angle = m_angle + arena().random().between(-3.0f, 3.0f);
    const Vector4 from = m_position + m_params.shootPosFor(m_initialGroup);
    const float range = arena().random().between(0.9f, 1.1f) * static_cast<float>(m_weaponRange) * kRangeUnit;
    launchShot(std::make_unique<Bullet>(arena(), kind), from, angle, range, false);
    if (--m_burstLeft < 0) {
        m_burstLeft = randomBetween(arena().random(), m_params.flakCount * 2 / 3, m_params.flakCount * 3 / 2);
        m_burstPause = kBurstPause;
    }
}

} // namespace NVolant
