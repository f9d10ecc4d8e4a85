#include "enemies/EBridge.h"

#include "content/Sprite.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/Images.h"
#include "platform/Screen.h"

namespace NVolant {

namespace {

constexpr int kBrokenGroup = 1;

} // namespace

EBridge::EBridge(Enemies& enemies, const NLib::Sprite& master, const NLib::Sprite& road,
                 const EnemyParams& params)
    : Enemy(enemies, kBridgeType, master), m_road(std::make_unique<NLib::Sprite>(road)), m_params(&params)
{
    m_value = m_hull = m_params->hull;
}

EBridge::~EBridge() = default;

void EBridge::setDirection(int)
{
    Enemy::setDirection(0);
}

void EBridge::setDestroyed(bool destroyed)
{
    m_destroyed = destroyed;
    m_sprite->setGroup(destroyed ? kBrokenGroup : 0);
}

void EBridge::update(float dtMs)
{
    m_sprite->update(dtMs);
    if (m_explosion) {
        m_explosion->update(dtMs);
        if (m_explosion->currentFrame == m_explosion->frameCount - 1) {
            m_explosion.reset();
            // Broken for sure once the blast is over, even if it was never on screen to be drawn.
            m_sprite->setGroup(kBrokenGroup);
        }
    }
    if (m_destroyed)
        return;
    if (takeHits(m_params->collisionCircles) > 0 && m_hull < 1) {
        // The bridge breaks but stays: a wreck and the level's new checkpoint.
        if (const NLib::Sprite* master = Images::instance()->bridgeExplode.get())
            m_explosion = std::make_unique<NLib::Sprite>(*master);
        m_destroyed = true;
        award();
    }
}

void EBridge::draw(const Vector4& camera)
{
    const Vector4 p = screenPoint(m_position, camera);
    m_sprite->draw(p);
    if (m_destroyed && m_explosion) {
        m_explosion->draw(p);
        if (m_explosion->currentFrame > m_explosion->frameCount / 2)
            m_sprite->setGroup(kBrokenGroup);
    }

    const float bridgeWidth = m_sprite->frameWidth;
    const float roadWidth = m_road->frameWidth;
    if (roadWidth <= 0.0f)
        return;
    for (float x = m_position.x - bridgeWidth / 2.0f - roadWidth / 2.0f; x > 0.0f; x -= roadWidth)
        m_road->draw(Vector4(x, p.y));
    for (float x = m_position.x + bridgeWidth / 2.0f + roadWidth / 2.0f; x < static_cast<float>(kScreenWidth);
         x += roadWidth)
        m_road->draw(Vector4(x, p.y));
}

int EBridge::collideWithPlayer(const CollitionCircles& circles)
{
    if (m_destroyed)
        return 0;
    // Touching an intact bridge hurts every frame; the bridge itself takes nothing.
    return touches(m_params->collisionCircles, circles) ? m_hull : 0;
}

} // namespace NVolant
