#pragma once

#include "enemies/Enemy.h"

namespace NVolant {

class Enemies;

class EnemyParams;

// Crosses the screen in a straight line; until the camera passes its spawn height it wraps
// round the screen's edges and keeps crossing. Carries no weapon. Type codes 200..203.
class EPlane final : public Enemy {
public:
    static constexpr float kSpeeds[4] = {0.15f, 0.2f, 0.25f, 0.3f};
    static constexpr float kEngineDistance = 500.0f;

    EPlane(Enemies& enemies, int type, const NLib::Sprite& master, const EnemyParams& params);
    ~EPlane() override;

    void drawShadow(const Vector4& camera) override;
    void update(float dtMs) override;
    // A plane never flies straight up: group 0 is taken as 4. Only diagonals turn the shape.
    void setDirection(int g) override;
    int collideWithPlayer(const CollitionCircles& circles) override;

    const EnemyParams& params() const { return *m_params; }

private:
    void wrap();

    const EnemyParams* m_params;
};

} // namespace NVolant
