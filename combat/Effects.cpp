#include "combat/Effects.h"

#include "content/ParticleSystem.h"
#include "content/Random.h"
#include "content/Sprite.h"
#include "gameplay/Images.h"
#include "platform/Screen.h"

#include <algorithm>

namespace NVolant {

Effects::Effects(NLib::Random& random) : m_random(random)
{
}

Effects::~Effects() = default;

bool Effects::onScreen(const ParticleSystem& emitter)
{
    // A small margin keeps an emitter alive while its particles can still reach the picture.
    return emitter.locationY() > -10.0f && emitter.locationY() < kScreenHeight + 10.0f;
}

void Effects::addAnimation(std::unique_ptr<NLib::Sprite> sprite, const Vector4& point)
{
    sprite->position = point;
    m_animations.push_back(std::move(sprite));
}

void Effects::addRandomExplosion(const Vector4& point)
{
    const auto& explosions = Images::instance()->explosions;
    if (explosions.empty())
        return;
    const std::size_t pick = static_cast<std::size_t>(m_random.integer()) % explosions.size();
    addAnimation(std::make_unique<NLib::Sprite>(*explosions[pick]), point);
}

void Effects::adoptTrail(std::unique_ptr<ParticleSystem> emitter)
{
    m_trails.push_back(std::move(emitter));
}

ParticleSystem* Effects::addBurner(std::unique_ptr<ParticleSystem> emitter)
{
    m_burners.push_back(std::move(emitter));
    return m_burners.back().get();
}

void Effects::removeBurner(const ParticleSystem* emitter)
{
    std::erase_if(m_burners, [emitter](const auto& b) { return b.get() == emitter; });
}

std::unique_ptr<ParticleSystem> Effects::releaseBurner(const ParticleSystem* emitter)
{
    const auto it = std::find_if(m_burners.begin(), m_burners.end(),
                                 [emitter](const auto& b) { return b.get() == emitter; });
    if (it == m_burners.end())
        return nullptr;
    std::unique_ptr<ParticleSystem> released = std::move(*it);
    m_burners.erase(it);
    return released;
}

void Effects::setCamera(const Vector4& camera)
{
    const Vector4 d = camera - m_camera;
    for (auto& trail : m_trails)
        trail->moveTo(trail->locationX() + d.x, trail->locationY() + d.y, true);
    for (auto& burner : m_burners)
        burner->moveTo(burner->locationX() + d.x, burner->locationY() + d.y, true);
    for (auto& animation : m_animations)
        animation->position += d;
    m_camera = camera;
}

void Effects::update(float dtMs)
{
    // Each animation plays once: it goes as soon as its last frame comes up.
    std::erase_if(m_animations, [dtMs](const auto& animation) {
        animation->update(dtMs);
        return animation->getFrame() == animation->frameCount - 1;
    });
    std::erase_if(m_trails, [dtMs](const auto& trail) {
        trail->update(dtMs / 1000.0f, 0.0f);
        return trail->aliveCount() == 0;
    });
    // Fires off screen are frozen until they scroll back in.
    for (auto& burner : m_burners)
        if (onScreen(*burner))
            burner->update(dtMs / 1000.0f, 0.0f);
}

void Effects::drawBurners()
{
    for (auto& burner : m_burners)
        if (onScreen(*burner))
            burner->draw();
}

void Effects::drawTrailsAndAnimations()
{
    for (auto& trail : m_trails)
        trail->draw();
    drawAnimations();
}

void Effects::drawAnimations()
{
    for (auto& animation : m_animations)
        animation->draw(animation->position);
}

void Effects::restart()
{
    m_animations.clear();
    m_trails.clear();
    m_burners.clear();
    m_camera = Vector4(0.0f, 0.0f, 0.0f, 1.0f);
}

} // namespace NVolant
