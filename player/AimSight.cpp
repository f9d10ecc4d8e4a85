#include "player/AimSight.h"

#include "combat/Arena.h"
#include "combat/TargetLookup.h"
#include "content/Sprite.h"
#include "gameplay/Images.h"
#include "platform/Screen.h"

#include <cmath>

namespace NVolant {

namespace {

constexpr float kGlide = 0.4f;                         // share of the remaining way per update
constexpr float kDegreesPerRadian = 57.3248405456543f; // 180 / 3.14: the sight rounds pi coarsely
constexpr float kTopClamp = 32.0f;

Vector4 toScreen(const Vector4& world, const Vector4& camera)
{
    return {world.x, static_cast<float>(kScreenHeight) - (world.y - camera.y), world.z, 1.0f};
}

} // namespace

AimSight::AimSight(const Arena& arena) : m_arena(arena), m_sprite(Images::instance()->aimSight.get())
{
}

void AimSight::setActive(bool on)
{
    if (on && !m_active) {
        m_aimPoint = toScreen(m_planeWorld, m_camera) - Vector4(0.0f, kAheadDistance, 0.0f);
        m_startPoint = m_aimPoint;
        m_shownPoint = m_aimPoint;
    }
    m_active = on;
}

void AimSight::track(const Vector4& planeWorld, const Vector4& camera)
{
    m_planeWorld = planeWorld;
    m_camera = camera;
    m_angle = 0.0f;
    int id = 0;
    const TargetLookup* lookup = m_arena.targets();
    if (!lookup) {
        setActive(false); // no level running: nothing to aim at, and the sight stays where it was
    } else if (const auto target = lookup->targetInCone(planeWorld, kConeDegrees)) {
        const Vector4 aim = target->position;
        const float dy = std::fabs(aim.y - planeWorld.y);
        const float lead = -(target->direction.x * target->speed) * dy;
        m_angle = std::atan((planeWorld.x - aim.x + lead) / dy) * kDegreesPerRadian;
        // A target level with the plane has no lead to speak of; never hand the cannon a NaN.
        if (std::isnan(m_angle))
            m_angle = 0.0f;
        m_aimPoint = toScreen(aim, camera);
        id = target->id;
    } else {
        m_aimPoint = toScreen(planeWorld, camera) - Vector4(0.0f, kAheadDistance, 0.0f);
    }
    if (id != m_targetId)
        m_lockTimer = m_lockTime;
    m_targetId = id;
}

void AimSight::update(float dtMs)
{
    m_shownPoint += (m_aimPoint - m_shownPoint) * kGlide;
    if (m_targetId > 0 && m_lockTimer >= 0.0f)
        m_lockTimer -= dtMs;
}

float AimSight::bulletAngle() const
{
    return m_active ? m_angle : 0.0f;
}

int AimSight::missileTarget() const
{
    if (!m_active || m_targetId == 0)
        return 0;
    return m_lockTimer < 0.0f ? m_targetId : 0;
}

void AimSight::draw()
{
    if (!m_active || !m_sprite)
        return;
    if (m_shownPoint.y < kTopClamp)
        m_shownPoint.y = kTopClamp;
    if (m_startPoint.y < kTopClamp)
        m_startPoint.y = kTopClamp;
    m_sprite->setFrame(0);
    m_sprite->draw(m_shownPoint);
    if (m_lockTimer < 0.0f && m_armed) {
        m_sprite->setFrame(1);
        m_sprite->draw(m_aimPoint);
    }
}

} // namespace NVolant
