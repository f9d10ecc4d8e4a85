#include "support/GeneratedData.h"

#include "content/AudioSystem.h"
#include "content/ResourceArchive.h"
#include "content/Sounds.h"

#include <gtest/gtest.h>

#include <string>

using NVolant::Sounds;

namespace {

// The registry on the real generated data pack (dummy audio driver: silent but running).
class SoundsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openGeneratedData()) << "no generated data pack";
        NAudio::AudioSystem::create();
        sounds = Sounds::create();
    }
    void TearDown() override
    {
        Sounds::destroy();
        NAudio::AudioSystem::destroy();
        closeGeneratedData();
    }

    Sounds* sounds = nullptr;
};

TEST_F(SoundsTest, EverySlotLoadsAndTheEnginesLoop)
{
    for (int i = 0; i < 4; ++i)
        for (NAudio::Sound* engine : {sounds->helicEngine(i), sounds->planeEngine(i)}) {
            ASSERT_NE(engine, nullptr);
            EXPECT_TRUE(engine->looping());
        }
    for (NAudio::Sound* single :
         {sounds->playerMissile(), sounds->enemyMissile(), sounds->helicExplode(), sounds->planeExplode(),
          sounds->boatHit(), sounds->boatExplode(0), sounds->boatExplode(1), sounds->boatExplode(2),
          sounds->bonus(), sounds->addLife(), sounds->playerPlane(), sounds->playerBullet(0),
          sounds->playerBullet(1), sounds->playerMissileExplode(), sounds->playerHitSmall(),
          sounds->playerHitBig(), sounds->enemyMissileExplode(), sounds->arc()}) {
        ASSERT_NE(single, nullptr);
        EXPECT_FALSE(single->looping());
    }
    // Two cannon entries of one file, so two shots overlap; likewise the two missile impacts.
    EXPECT_NE(sounds->playerBullet(0), sounds->playerBullet(1));
    EXPECT_NE(sounds->playerMissileExplode(), sounds->enemyMissileExplode());
    EXPECT_EQ(Sounds::instance(), sounds) << "loaded once";
}

TEST_F(SoundsTest, StopAllSparesTheCannonAndHitsAndTickEnginesAgesOnlyEnginesAndEnemyRockets)
{
    for (NAudio::Sound* sound :
         {sounds->playerBullet(0), sounds->playerHitBig(), sounds->arc(), sounds->bonus()})
        sound->play(true, false, 100);
    NAudio::Sound* engine = sounds->helicEngine(1);
    ASSERT_TRUE(engine->acquire(5, 3));
    engine->playInstance(5, false);
    sounds->stopAll();
    EXPECT_TRUE(sounds->playerBullet(0)->isPlaying());
    EXPECT_TRUE(sounds->playerHitBig()->isPlaying());
    EXPECT_FALSE(sounds->arc()->isPlaying());
    EXPECT_FALSE(sounds->bonus()->isPlaying());
    EXPECT_FALSE(engine->hasInstance(5));

    NAudio::Sound* plane = sounds->planeEngine(3);
    NAudio::Sound* rocket = sounds->enemyMissile();
    NAudio::Sound* missile = sounds->playerMissile();
    for (NAudio::Sound* sound : {plane, rocket, missile})
        ASSERT_TRUE(sound->acquire(9, 1));
    sounds->tickEngines();
    EXPECT_FALSE(plane->hasInstance(9));
    EXPECT_FALSE(rocket->hasInstance(9));
    // The player's missiles stop their own flight sound when they end.
    EXPECT_TRUE(missile->hasInstance(9));
}

} // namespace
