#pragma once

#include "combat/Bonuses.h"
#include "combat/Effects.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "combat/Shots.h"
#include "content/Random.h"
#include "content/ResourceArchive.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "platform/KInput.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/FieldSounds.h"
#include "world/MemoryProfile.h"
#include "world/ProfileLink.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

// The game as it runs: a headless window, the generated data pack (with a loose folder for files
// a test makes up), a profile in memory, and the random generators at their start. Every
// process-wide object of a game is gone again after each test.
class RealGameData : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = std::make_unique<HeadlessPlatform>();
        ASSERT_TRUE(platform->ok());
        ASSERT_TRUE(openGeneratedData(loose.path()));
        resetGame();
        auto memory = std::make_unique<NVolant::MemoryProfile>();
        profile = memory.get();
        NVolant::ProfileLink::install(std::move(memory));
    }

    void TearDown() override
    {
        NVolant::ProfileLink::install(nullptr);
        NVolant::Shots::destroy();
        NVolant::Bonuses::destroy();
        NVolant::Effects::destroy();
        NVolant::Scores::destroy();
        NVolant::Images::destroy();
        closeGeneratedData();
        platform.reset();
    }

    // Everything a game draws from at its start, as in a fresh process.
    static void resetGame()
    {
        NLib::resetRnd(0);
        std::srand(1);
        NVolant::Plane::resetGuns();
        NVolant::FieldSounds::resetCounts();
        // Nothing held over from an earlier game in this process.
        KInputState::releaseAll();
        KInputState::setPointer(400, 500);
    }

    TempDir loose;
    std::unique_ptr<HeadlessPlatform> platform;
    NVolant::MemoryProfile* profile = nullptr;
};
