#pragma once

#include "combat/Arena.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "content/ResourceArchive.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "platform/KInput.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/GameField.h"
#include "world/MemoryProfile.h"
#include "world/ProfileLink.h"
#include "world/World.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

// The game as it runs: a headless window, the generated data pack (with a loose folder for files
// a test makes up), a profile in memory, and no input held over from an earlier test.
class RealGameData : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = std::make_unique<HeadlessPlatform>();
        ASSERT_TRUE(platform->ok());
        ASSERT_TRUE(openGeneratedData(loose.path()));
        releaseInput();
        auto memory = std::make_unique<NVolant::MemoryProfile>();
        profile = memory.get();
        NVolant::ProfileLink::install(std::move(memory));
    }

    void TearDown() override
    {
        NVolant::ProfileLink::install(nullptr);
        NVolant::Images::destroy();
        closeGeneratedData();
        platform.reset();
    }

    // No key, button or pointer move held over from an earlier game in this process.
    static void releaseInput()
    {
        KInputState::releaseAll();
        KInputState::setPointer(400, 500);
    }

    TempDir loose;
    std::unique_ptr<HeadlessPlatform> platform;
    NVolant::MemoryProfile* profile = nullptr;
};
