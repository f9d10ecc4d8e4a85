#include "combat/Bullet.h"

#include "combat/Arena.h"
#include "content/Sprite.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/Images.h"

#include <algorithm>

namespace NVolant {

namespace {

constexpr float kSpeed = 1.0f;   // px/ms
constexpr float kRange = 400.0f; // px
constexpr float kSweepStep = 4.0f;
constexpr int kDamage[] = {8, 10, 12, 8, 8};

const NLib::Sprite& masterOf(int kind)
{
    Images* images = Images::instance();
    if (kind >= 3)
        return *images->flaks[static_cast<std::size_t>(kind - 3)];
    return *images->bullets[static_cast<std::size_t>(kind)];
}

} // namespace

Bullet::Bullet(Arena& arena, int kind) : Shot(arena), m_kind(kind >= 0 && kind <= 4 ? kind : 0)
{
    m_sprite = std::make_unique<NLib::Sprite>(masterOf(m_kind));
    m_sprite->setFps(16.0f);
    m_speed = kSpeed;
    m_range = kRange;
    m_damage = kDamage[m_kind];
}

Bullet::~Bullet()
{
    // The spark shows where the round ended, hit or not.
    if (Images* images = Images::existing())
        m_arena.effects().addAnimation(std::make_unique<NLib::Sprite>(*images->bulletExplode),
                                       toScreen(m_previousPosition, camera()));
    playImpactSound(200.0f);
}

void Bullet::launch()
{
    // Until it first moves, the round's path is the point it was fired from.
    m_previousPosition = m_position;
}

void Bullet::update(float dtMs)
{
    m_previousPosition = m_position;
    m_position += m_direction * (m_speed * dtMs);
    m_travelled += m_speed * dtMs;
    if (m_range < m_travelled)
        m_spent = true;
    Shot::update(dtMs);
}

int Bullet::hitTest(const CollitionCircles& target)
{
    if (m_spent || !withinReach(target))
        return 0;
    const Vector4 path = m_position - m_previousPosition;
    const int n = static_cast<int>(path.length() / kSweepStep) + 1;
    const Vector4 step = path / static_cast<float>(n);
    Vector4 p = m_previousPosition;
    for (int i = 0; i < n; ++i) {
        if (target.touches(p, m_radius)) {
            m_spent = true;
            m_previousPosition = p;
            return m_damage;
        }
        p += step;
    }
    return 0;
}

void Bullet::draw(const Vector4& camera)
{
    m_sprite->drawTransformed(toScreen(m_position, camera), 1.0f, m_angle);
}

void Bullet::drawShadow(const Vector4& camera)
{
    (void)camera; // rounds are too small and too low-flying to cast one
}

} // namespace NVolant
