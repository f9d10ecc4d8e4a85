#pragma once

#include "enemies/Enemy.h"

namespace NVolant {

class Enemies;

class EnemyParams;

// A static target with its painted shadow. Type codes 500..511. It carries a weapon range from
// the level file like every enemy, but buildings never fire.
class EBuilding final : public Enemy {
public:
    EBuilding(Enemies& enemies, int type, const NLib::Sprite& master, const EnemyParams& params);

    void drawShadow(const Vector4& camera) override;
    void update(float dtMs) override;
    void setDirection(int g) override;
    // Only a building with a hit shape can be aimed at.
    bool isTargetable() const override;

    const EnemyParams& params() const { return *m_params; }

private:
    const EnemyParams* m_params;
};

} // namespace NVolant
