#pragma once

#include "combat/Bonus.h"
#include "combat/Bonuses.h"
#include "combat/Effects.h"
#include "combat/Shots.h"
#include "combat/TargetLookup.h"
#include "content/ParticleSystem.h" // the managers' lists need the whole types where they are made
#include "content/Sprite.h"
#include "content/Random.h"
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
// level runs; every process-wide manager of play is torn down afterwards so that each test starts
// from a fresh level.
class ShotTestWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = std::make_unique<HeadlessPlatform>();
        ASSERT_TRUE(platform->ok());
        ASSERT_TRUE(openGeneratedData()) << "no generated data pack";
        NVolant::Images::instance();
        // A running level always has its effects manager.
        NVolant::Effects::instance();
        NLib::resetRnd();
    }

    void TearDown() override
    {
        NVolant::Shots::destroy();
        NVolant::Bonuses::destroy();
        NVolant::Effects::destroy();
        NVolant::Scores::destroy();
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
