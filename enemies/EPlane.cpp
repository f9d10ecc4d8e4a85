#include "enemies/EPlane.h"

#include "combat/Arena.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/PlayConstants.h"
#include "platform/Screen.h"

namespace NVolant {

namespace {

// A plane that leaves one side comes back on the other, this far along its line.
constexpr float kWrapSpan = 840.0f;
constexpr float kWrapRight = 820.0f;
constexpr float kWrapLeft = -20.0f;

} // namespace

EPlane::EPlane(Enemies& enemies, int type, const NLib::Sprite& master, const EnemyParams& params)
    : Enemy(enemies, type, master), m_params(&params)
{
    m_value = m_hull = m_params->hull;
}

EPlane::~EPlane()
{
    arena().sounds().stopEngine(GameSounds::Engine::Plane, m_type % 10, m_id);
    if (m_finished)
        arena().sounds().playAt(SoundCue::PlaneExplosion, m_position, 300.0f);
}

void EPlane::setDirection(int g)
{
    Enemy::setDirection(g == 0 ? 4 : g);
    m_direction.set(0.0f, 1.0f, 0.0f, 1.0f);
    m_angle = 0.0f;
    // Straight headings only move; the sprite's group shows them. Diagonals also turn the shape.
    switch (group()) {
    case 1:
        m_angle = -45.0f;
        m_direction.set(0.7071f, 0.7071f);
        break;
    case 2:
        m_direction.set(1.0f, 0.0f);
        break;
    case 3:
        m_angle = -135.0f;
        m_direction.set(0.7071f, -0.7071f);
        break;
    case 4:
        m_direction.set(0.0f, -1.0f);
        break;
    case 5:
        m_angle = 135.0f;
        m_direction.set(-0.7071f, -0.7071f);
        break;
    case 6:
        m_direction.set(-1.0f, 0.0f);
        break;
    case 7:
        m_angle = 45.0f;
        m_direction.set(-0.7071f, 0.7071f);
        break;
    default:
        break;
    }
}

void EPlane::drawShadow(const Vector4& camera)
{
    m_sprite->setColor(0.0f, 0.0f, 0.0f, kShadowAlpha);
    m_sprite->draw(screenPoint(m_position, camera) + kShadowOffset);
    m_sprite->setColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void EPlane::update(float dtMs)
{
    arena().sounds().keepEngine(GameSounds::Engine::Plane, m_type % 10, m_id, m_position, kEngineDistance);
    m_sprite->update(dtMs);
    m_speed = speedFrom(kSpeeds);
    m_position += m_direction * (m_speed * dtMs);
    wrap();

    if (takeHits(m_params->collisionCircles) > 0 && m_hull < 1) {
        explode();
        award();
        countKill(Kill::Plane);
    }
}

void EPlane::wrap()
{
    const Vector4& camera = m_enemies.camera();
    if (!(camera.y < m_startPosition.y))
        return;
    const int g = group();
    if (g >= 1 && g <= 3 && m_position.x > kWrapRight) {
        m_position -= m_direction * (kWrapSpan / m_direction.x);
    } else if (g >= 5 && g <= 7 && m_position.x < kWrapLeft) {
        m_position += m_direction * (kWrapSpan / m_direction.x);
    } else if (g == 4 && camera.y > m_position.y + m_sprite->frameHeight) {
        m_position.y = camera.y + static_cast<float>(kScreenHeight) + m_sprite->frameHeight;
    }
}

int EPlane::collideWithPlayer(const CollitionCircles& circles)
{
    return ram(m_params->collisionCircles, circles);
}

} // namespace NVolant
