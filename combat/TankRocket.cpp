#include "combat/TankRocket.h"

#include "combat/Arena.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/Images.h"

#include <algorithm>

namespace NVolant {

namespace {

constexpr float kMaxSpeed = 0.5f;         // px/ms
constexpr float kAcceleration = 0.0008f;  // px/ms²
constexpr float kRange = 600.0f;          // px
constexpr float kBlastGrowth = 0.06f;     // px/ms
constexpr float kBlastMax = 15.0f;        // px
constexpr std::size_t kTrailTemplate = 0; // "dat/particles/particle2.psi"

} // namespace

TankRocket::TankRocket(Arena& arena) : Shot(arena)
{
    Images* images = Images::instance();
    m_sprite = std::make_unique<NLib::Sprite>(*images->missile);
    m_sprite->setFps(16.0f);
    m_speed = 0.0f;
    m_range = kRange;
    m_trail = std::make_unique<ParticleSystem>(*images->particles[kTrailTemplate], arena.random());
}

TankRocket::~TankRocket()
{
    releaseTrail();
    stopFlightSound();
    playImpactSound(300.0f);
}

void TankRocket::releaseTrail()
{
    if (!m_trail)
        return;
    m_trail->stop(false);
    m_arena.effects().adoptTrail(std::move(m_trail));
    m_trail.reset();
}

void TankRocket::launch()
{
    const Vector4 at = toScreen(m_position, camera());
    m_trail->fireAt(at.x, at.y);
    m_trail->moveTo(at.x + m_direction.x, at.y + m_direction.y, false);
}

void TankRocket::cameraMoved(const Vector4& delta)
{
    if (m_trail)
        m_trail->moveTo(m_trail->locationX() + delta.x, m_trail->locationY() + delta.y, true);
}

void TankRocket::update(float dtMs)
{
    if (m_trail)
        m_trail->update(dtMs / 1000.0f, 0.0f);

    if (m_phase == Flying) {
        m_speed = std::min(m_speed + kAcceleration * dtMs, kMaxSpeed);
        m_position += m_direction * (m_speed * dtMs);
        m_travelled += m_speed * dtMs;
        if (m_range < m_travelled) {
            m_phase = Bursting;
            releaseTrail();
            m_arena.effects().addAnimation(
                std::make_unique<NLib::Sprite>(*Images::instance()->missileExplode2),
                toScreen(m_position, camera()));
        }
        Shot::update(dtMs);
        if (m_trail)
            placeTrailAtTail(*m_trail);
    } else if (m_phase == Bursting) {
        m_blastRadius += kBlastGrowth * dtMs;
        if (m_blastRadius > kBlastMax) {
            m_phase = Finished;
            m_spent = true;
        }
    }
    updateFlightSound();
}

int TankRocket::hitTest(const CollitionCircles& target)
{
    if (m_spent || !withinReach(target))
        return 0;
    if (!target.touches(m_position, m_blastRadius))
        return 0;
    m_phase = Finished;
    m_spent = true;
    return kDamage;
}

void TankRocket::drawTrail()
{
    if (m_trail)
        m_trail->draw();
}

void TankRocket::draw(const Vector4& camera)
{
    m_sprite->drawTransformed(toScreen(m_position, camera), 1.0f, m_angle);
}

} // namespace NVolant
