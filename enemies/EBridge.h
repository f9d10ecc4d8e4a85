#pragma once

#include "enemies/Enemy.h"

#include <memory>

namespace NVolant {

class Enemies;

class EnemyParams;

// Spans the river with roads to both screen edges. Destroyed rather than removed: it breaks,
// stays as a wreck and becomes the level's checkpoint. Type code 300.
class EBridge final : public Enemy {
public:
    EBridge(Enemies& enemies, const NLib::Sprite& master, const NLib::Sprite& road,
            const EnemyParams& params);
    ~EBridge() override;

    void draw(const Vector4& camera) override;
    void update(float dtMs) override;
    // A bridge always shows its intact picture until it breaks.
    void setDirection(int g) override;
    int collideWithPlayer(const CollitionCircles& circles) override;
    bool isTargetable() const override { return !m_destroyed; }

    // Shown broken at once (a checkpoint restored from a saved game).
    void setDestroyed(bool destroyed);
    bool destroyed() const { return m_destroyed; }
    bool exploding() const { return m_explosion != nullptr; }
    int entryIndex() const { return m_entryIndex; }
    void setEntryIndex(int i) { m_entryIndex = i; }

private:
    std::unique_ptr<NLib::Sprite> m_road;
    std::unique_ptr<NLib::Sprite> m_explosion;
    const EnemyParams* m_params;
    bool m_destroyed = false;
    int m_entryIndex = 0;
};

} // namespace NVolant
