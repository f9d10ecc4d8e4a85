#include "enemies/EBuilding.h"

#include "content/Sprite.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/PlayConstants.h"

namespace NVolant {

EBuilding::EBuilding(Enemies& enemies, int type, const NLib::Sprite& master, const EnemyParams& params)
    : Enemy(enemies, type, master), m_params(&params)
{
    m_value = m_hull = m_params->hull;
}

void EBuilding::setDirection(int g)
{
    Enemy::setDirection(g);
    applyHeading();
}

bool EBuilding::isTargetable() const
{
    return m_params->collisionCircles.size() > 0;
}

void EBuilding::drawShadow(const Vector4& camera)
{
    if (m_params->shadowX == 0.0f && m_params->shadowY == 0.0f)
        return;
    m_sprite->setColor(0.0f, 0.0f, 0.0f, kShadowAlpha);
    m_sprite->draw(screenPoint(m_position, camera) + Vector4(m_params->shadowX, m_params->shadowY));
    m_sprite->setColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void EBuilding::update(float dtMs)
{
    m_sprite->update(dtMs);
    if (takeHits(m_params->collisionCircles) > 0 && m_hull < 1) {
        explode();
        award();
        countKill(Kill::Plane);
    }
}

} // namespace NVolant
