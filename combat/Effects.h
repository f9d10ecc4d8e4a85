#pragma once

#include "platform/Vector4.h"

#include <memory>
#include <vector>

namespace NLib {
class Random;
class Sprite;
} // namespace NLib

namespace NVolant {

class ParticleSystem;

// The passing effects that outlive what started them: one-shot animations (explosions, impacts),
// trails of missiles and rockets, and the fires of burning enemies. Kept fixed to the scrolling
// world and drawn in the layers the level asks for.
class Effects final {
public:
    // Explosions are picked with the game's random sequence.
    explicit Effects(NLib::Random& random);
    Effects(const Effects&) = delete;
    Effects& operator=(const Effects&) = delete;
    virtual ~Effects();

    // Takes a sprite copy and plays it once at a screen point.
    void addAnimation(std::unique_ptr<NLib::Sprite> sprite, const Vector4& point);
    // One of the registry's explosion sprites, picked at random.
    void addRandomExplosion(const Vector4& point);
    // Trails live on until their last particle dies.
    void adoptTrail(std::unique_ptr<ParticleSystem> emitter);
    // A burning enemy hands its fire over and keeps the pointer to take it away again; the
    // manager owns it, and deletes it on removal or with itself.
    ParticleSystem* addBurner(std::unique_ptr<ParticleSystem> emitter);
    void removeBurner(const ParticleSystem* emitter);
    // Gives a burner back to its owner (a sinking boat's wake fades out as a trail); null when
    // the manager does not hold it.
    std::unique_ptr<ParticleSystem> releaseBurner(const ParticleSystem* emitter);

    // Effects keep their place in the world when the camera moves.
    void setCamera(const Vector4& camera);
    void update(float dtMs);
    void drawBurners();
    void drawTrailsAndAnimations();
    void drawAnimations();
    // A new level: no effects, the start camera.
    void restart();

    std::size_t animationCount() const { return m_animations.size(); }
    std::size_t trailCount() const { return m_trails.size(); }
    std::size_t burnerCount() const { return m_burners.size(); }
    const std::vector<std::unique_ptr<NLib::Sprite>>& animations() const { return m_animations; }
    const Vector4& camera() const { return m_camera; }

private:
    static bool onScreen(const ParticleSystem& emitter);

    std::vector<std::unique_ptr<ParticleSystem>> m_trails;
    std::vector<std::unique_ptr<ParticleSystem>> m_burners;
    std::vector<std::unique_ptr<NLib::Sprite>> m_animations;
    Vector4 m_camera{0.0f, 0.0f, 0.0f, 1.0f};
    NLib::Random& m_random;
};

} // namespace NVolant
