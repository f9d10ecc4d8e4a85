#pragma once

#include "combat/Arena.h"
#include "combat/Bonus.h"
#include "combat/TargetLookup.h"
#include "content/ParticleSystem.h" // the managers' lists need the whole types where they are made
#include "content/Sprite.h"
#include "content/ResourceArchive.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "score/Scores.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// A headless window, the generated data pack and the image registry, as the game has them when a
// level runs, and a fresh game's arena for each test.
class ShotTestWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = std::make_unique<HeadlessPlatform>();
        ASSERT_TRUE(platform->ok());
        ASSERT_TRUE(openGeneratedData()) << "no generated data pack";
        NVolant::Images::instance();
    }

    void TearDown() override
    {
        m_arena.reset();
        NVolant::Images::destroy();
        closeGeneratedData();
        platform.reset();
    }

    // One circle placed in the world.
    static NVolant::CollitionCircles circleAt(float x, float y, float radius)
    {
        NVolant::CollitionCircles c;
        c.append(Vector4(0.0f, 0.0f), radius);
        c.place(Vector4(x, y), 0.0f);
        return c;
    }

    std::unique_ptr<HeadlessPlatform> platform;
    std::unique_ptr<NVolant::Arena> m_arena = std::make_unique<NVolant::Arena>();
    NVolant::Arena& arena = *m_arena;
};

// A single enemy the test moves by hand, found by the weapons like any enemy of a running level.
class ScriptedTarget final : public NVolant::TargetLookup {
public:
    std::optional<NVolant::TargetInfo> targetById(int id) const override
    {
        if (present && id == info.id && id >= 1)
            return info;
        return std::nullopt;
    }
    std::optional<NVolant::TargetInfo> targetInCone(const Vector4&, float) const override
    {
        if (present)
            return info;
        return std::nullopt;
    }
    std::vector<int> targetsAheadOf(const Vector4&) const override
    {
        return present ? std::vector<int>{info.id} : std::vector<int>{};
    }

    NVolant::TargetInfo info;
    bool present = true;
};
