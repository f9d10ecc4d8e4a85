#include "combat/Shot.h"

#include "combat/Arena.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/PlayConstants.h"
#include "platform/Angles.h"
#include "platform/Screen.h"

#include <cmath>

namespace NVolant {

Shot::Shot(Arena& arena) : m_arena(arena), m_identifier(arena.ids().nextShot())
{
}

Shot::~Shot()
{
    stopFlightSound();
}

void Shot::placeTrailAtTail(ParticleSystem& trail) const
{
    const Vector4 at = toScreen(m_position, camera());
    const float h = m_sprite ? m_sprite->frameHeight : 0.0f;
    trail.moveTo(at.x - h * m_direction.x / 2.0f, at.y + h * m_direction.y / 2.0f, false);
}

const Vector4& Shot::camera() const
{
    return m_arena.shots().camera();
}

Vector4 Shot::toScreen(const Vector4& world, const Vector4& camera)
{
    return {world.x, camera.y + static_cast<float>(kScreenHeight) - world.y, world.z, 1.0f};
}

void Shot::setAngle(float degrees)
{
    m_angle = degrees;
    const float a = degToRad(degrees);
    // (0, 1) turned by a.
    m_direction.set(-std::sin(a), std::cos(a), 0.0f, 1.0f);
}

void Shot::setSounds(SoundCue flight, SoundCue impact)
{
    m_flightSound = flight;
    m_impactSound = impact;
}

void Shot::draw(const Vector4& camera)
{
    if (m_sprite)
        m_sprite->draw(toScreen(m_position, camera));
}

void Shot::drawShadow(const Vector4& camera)
{
    if (!m_sprite)
        return;
    m_sprite->setColor(0.0f, 0.0f, 0.0f, kShadowAlpha);
    m_sprite->drawTransformed(toScreen(m_position, camera) + kShadowOffset, 1.0f, m_angle);
    m_sprite->setColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void Shot::update(float dtMs)
{
    if (m_sprite)
        m_sprite->update(dtMs);
}

int Shot::hitTest(const CollitionCircles& target)
{
    (void)target;
    return 0;
}

bool Shot::withinReach(const CollitionCircles& target) const
{
    const float reach = target.boundingRadius();
    return !(reach * reach < (target.centre() - m_position).squaredLength() / 4.0f);
}

void Shot::updateFlightSound()
{
    if (m_flightSound != SoundCue::None)
        m_arena.sounds().keepFlying(m_flightSound, m_identifier, m_position);
}

void Shot::stopFlightSound()
{
    if (m_flightSound != SoundCue::None)
        m_arena.sounds().stopFlying(m_flightSound, m_identifier);
}

void Shot::playImpactSound(float distance)
{
    if (m_impactSound != SoundCue::None)
        m_arena.sounds().playAt(m_impactSound, m_position, distance);
}

} // namespace NVolant
