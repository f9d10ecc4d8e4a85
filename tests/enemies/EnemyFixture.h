#pragma once

#include "combat/Arena.h"
#include "content/LevelFiles.h"
#include "enemies/Enemy.h"
#include "enemies/GroundQuery.h"
#include "platform/Vector4.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace NLib {
class Sprite;
} // namespace NLib

namespace NVolant {
class CollitionCircles;
class Enemies;
class Terrain;
} // namespace NVolant

// The real registry from the generated data pack (loaded once per test binary), and per test a
// fresh game's arena with an enemy manager in it, so every test sees the game as a new level does.
class EnemyFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One record of a made-up list.
    static NVolant::EnemyRecord record(int type, float x, float y, int group = 0, int speedClass = 0,
                                       int weaponRange = 0);
    // Loads made-up records (file indexes in list order).
    void loadList(std::vector<NVolant::EnemyRecord> records);
    // The first enemy of the manager's list with that type code.
    NVolant::Enemy* firstOfType(int type) const;
    // Puts the camera where the manager and the kinds read it.
    void setCamera(float y);
    // Runs n frames of 16.666666 ms.
    void run(int frames);

    // An enemy made by hand from the registry's picture and parameters, outside the manager's list.
    template <typename Kind, typename Params>
    std::unique_ptr<Kind> make(int type, const NLib::Sprite& sprite, const Params& params, float x, float y,
                               int group = 0, int speedClass = 0, int weaponRange = 0)
    {
        auto e = std::make_unique<Kind>(*enemies, type, sprite, params);
        place(*e, x, y, group, speedClass, weaponRange);
        return e;
    }
    // Sets an enemy up as a record of the list would.
    static void place(NVolant::Enemy& e, float x, float y, int group, int speedClass, int weaponRange);
    // The player's shape: one circle at a world point.
    static NVolant::CollitionCircles playerAt(const Vector4& p, float radius = 12.0f);

    // The headless window everything draws into.
    static class HeadlessPlatform& platform();

    NVolant::Arena arena;
    std::unique_ptr<NVolant::Enemies> enemies;
    static constexpr float kStep = 16.666666f;
};

// The real terrain of a level, answering the enemies' ground questions as the level does.
class TerrainGround final : public NVolant::GroundQuery {
public:
    explicit TerrainGround(const NVolant::Terrain& terrain) : m_terrain(terrain) {}
    bool anyTile(const NVolant::CollitionPoints& points) const override;
    bool anyWater(const NVolant::CollitionPoints& points) const override;

private:
    const NVolant::Terrain& m_terrain;
};
