#pragma once

#include "combat/Arena.h"
#include "content/LevelFiles.h"
#include "enemies/GroundQuery.h"
#include "platform/Vector4.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace NVolant {
class Enemies;
class Enemy;
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
