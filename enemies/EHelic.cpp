#include "enemies/EHelic.h"

#include "combat/Arena.h"
#include "combat/Missile.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "enemies/GroundQuery.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/PlayConstants.h"
#include "platform/Screen.h"

namespace NVolant {

EHelic::EHelic(Enemies& enemies, int type, const NLib::Sprite& master, const EnemyParams& params)
    : Enemy(enemies, type, master), m_params(&params)
{
    m_value = m_hull = m_params->hull;
}

EHelic::~EHelic()
{
    arena().sounds().stopEngine(GameSounds::Engine::Helic, m_type % 10, m_id);
    if (m_finished)
        arena().sounds().playAt(SoundCue::HelicExplosion, m_position, 300.0f);
}

void EHelic::setDirection(int g)
{
    Enemy::setDirection(g);
    applyHeading();
}

void EHelic::drawShadow(const Vector4& camera)
{
    m_sprite->setColor(0.0f, 0.0f, 0.0f, kShadowAlpha);
    m_sprite->draw(screenPoint(m_position, camera) + kShadowOffset);
    m_sprite->setColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void EHelic::update(float dtMs)
{
    m_speed = speedFrom(kSpeeds);
    arena().sounds().keepEngine(GameSounds::Engine::Helic, m_type % 10, m_id, m_position, kEngineDistance);
    m_sprite->update(dtMs);

    const GroundQuery* ground = m_enemies.ground();
    if (!m_startTested) {
        CollitionPoints outline = m_params->collisionPoints;
        outline.place(m_startPosition, m_angle);
        m_startedOverTile = ground && ground->anyTile(outline);
        m_startTested = true;
    }
    if (m_speed > 0.0f)
        move(dtMs);

    if (takeHits(m_params->collisionCircles) > 0 && m_hull < 1) {
        explode();
        award();
        countKill(Kill::Helic);
    }

    if (!m_finished && m_weaponRange != 0) {
        if (m_fireCooldown < 0.0f) {
            m_fireCooldown = kFirePeriod;
            fireMissile();
        } else {
            m_fireCooldown -= dtMs;
        }
    }
}

void EHelic::move(float dtMs)
{
    const Vector4 old = m_position;
    m_position += m_direction * (m_speed * dtMs);
    CollitionPoints outline = m_params->collisionPoints;
    outline.place(m_position, m_angle);

    const float half = m_sprite->frameWidth / 2.0f;
    bool turn = m_position.x + half > static_cast<float>(kScreenWidth) || m_position.x - half < 0.0f;
    const GroundQuery* ground = m_enemies.ground();
    if (!turn && ground) {
        // It keeps to what it started over: the banks, or the open river.
        turn = m_startedOverTile ? !ground->anyWater(outline) : ground->anyTile(outline);
    }
    if (turn) {
        setDirection((group() + 4) % 8);
        m_position = old;
    }
}

void EHelic::fireMissile()
{
    launchShot(std::make_unique<Missile>(arena()), m_position, m_angle,
               static_cast<float>(m_weaponRange) * kRangeUnit, true);
}

int EHelic::collideWithPlayer(const CollitionCircles& circles)
{
    return ram(m_params->collisionCircles, circles);
}

} // namespace NVolant
