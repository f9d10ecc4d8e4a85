#include "combat/Missile.h"

#include "combat/Arena.h"
#include "combat/TargetLookup.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/Images.h"
#include "platform/Angles.h"

#include <algorithm>
#include <cmath>

namespace NVolant {

namespace {

constexpr float kSpeed = 0.5f;            // px/ms
constexpr float kRange = 600.0f;          // px
constexpr float kTurnRate = 0.01f;        // of a unit vector per ms
constexpr std::size_t kTrailTemplate = 0; // "dat/particles/particle2.psi"

Vector4 normalised(const Vector4& v)
{
    const float length = v.length();
    if (length == 0.0f)
        return {0.0f, 0.0f, 0.0f, v.w};
    return v / length;
}

} // namespace

Missile::Missile(Arena& arena) : Shot(arena)
{
    Images* images = Images::instance();
    m_sprite = std::make_unique<NLib::Sprite>(*images->missile);
    m_sprite->setFps(16.0f);
    m_speed = kSpeed;
    m_range = kRange;
    m_trail = std::make_unique<ParticleSystem>(*images->particles[kTrailTemplate], arena.random());
}

Missile::~Missile()
{
    Effects& effects = m_arena.effects();
    if (m_trail) {
        m_trail->stop(false);
        effects.adoptTrail(std::move(m_trail));
    }
    if (Images* images = Images::existing())
        effects.addAnimation(std::make_unique<NLib::Sprite>(*images->missileExplode1),
                             toScreen(m_position, camera()));
    stopFlightSound();
    playImpactSound(200.0f);
}

void Missile::makeFourMissileVariant(int index)
{
    m_speed = kSpeed / static_cast<float>(index + 1);
    m_maxSpeed = kSpeed * 1.5f;
    m_acceleration = 0.0004f;
}

void Missile::launch()
{
    const Vector4 at = toScreen(m_position, camera());
    m_trail->fireAt(at.x, at.y);
    m_trail->moveTo(at.x + m_direction.x, at.y + m_direction.y, false);
}

void Missile::cameraMoved(const Vector4& delta)
{
    if (m_trail)
        m_trail->moveTo(m_trail->locationX() + delta.x, m_trail->locationY() + delta.y, true);
}

void Missile::update(float dtMs)
{
    // The trail runs ahead of the flight, as every effect runs before the shots.
    if (m_trail)
        m_trail->update(dtMs / 1000.0f, 0.0f);

    const TargetLookup* lookup = m_arena.targets();
    if (m_target != 0 && lookup) {
        if (const auto enemy = lookup->targetById(m_target)) {
            const Vector4 steer = normalised(enemy->position - m_position) * (kTurnRate * dtMs);
            m_direction = normalised(m_direction + steer);
            // Signed angle from straight up: positive toward -x.
            float turn = std::acos(m_direction.y) * 180.0f / kPi;
            if (std::isnan(turn))
                turn = 0.0f;
            m_angle = m_direction.x > 0.0f ? -turn : turn;
        } else {
            m_target = 0; // gone: fly straight on
        }
    }
    if (m_speed < m_maxSpeed)
        m_speed += m_acceleration * dtMs;
    m_position += m_direction * (m_speed * dtMs);
    m_travelled += m_speed * dtMs;
    if (m_range < m_travelled)
        m_spent = true;
    Shot::update(dtMs);
    if (m_trail)
        placeTrailAtTail(*m_trail);
    updateFlightSound();
}

int Missile::hitTest(const CollitionCircles& target)
{
    if (m_spent || !withinReach(target))
        return 0;
    if (!target.touches(m_position, m_radius))
        return 0;
    m_spent = true;
    return kDamage;
}

void Missile::drawTrail()
{
    if (m_trail)
        m_trail->draw();
}

void Missile::draw(const Vector4& camera)
{
    m_sprite->drawTransformed(toScreen(m_position, camera), 1.0f, m_angle);
}

} // namespace NVolant
