#include "content/ParticleSystem.h"
#include "content/BitmapText.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "gameplay/EBoatParams.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/ETankParams.h"
#include "platform/KGraphic.h"
#include "gameplay/PlaneParams.h"
#include "gameplay/Images.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <cstdlib>

namespace {

// The registry loads every sprite, parameter set, the font and the particle templates from the
// generated data pack, as the game does at start-up.
class ImagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = std::make_unique<HeadlessPlatform>();
        ASSERT_TRUE(platform->ok());
        ASSERT_TRUE(openGeneratedData()) << "no generated data pack";
    }

    void TearDown() override
    {
        NVolant::Images::destroy();
        closeGeneratedData();
        platform.reset();
    }

    std::unique_ptr<HeadlessPlatform> platform;
};

void expectLoaded(const NLib::Sprite& sprite, const char* what)
{
    EXPECT_NE(sprite.kind(), NLib::Sprite::Empty) << what;
    EXPECT_GT(sprite.frameCount, 0) << what;
    EXPECT_GT(sprite.frameWidth, 0.0f) << what;
    ASSERT_NE(sprite.currentImage(), nullptr) << what;
    EXPECT_TRUE(sprite.currentImage()->isLoaded()) << what;
}

TEST_F(ImagesTest, EverythingLoadsFromTheDataPackWithTheShapesTheGameNeeds)
{
    NVolant::Images* images = NVolant::Images::instance();
    EXPECT_EQ(NVolant::Images::instance(), images); // the second access loads nothing

    // Units that turn carry eight direction groups.
    for (const auto* family : {&images->boats, &images->helics, &images->planes})
        for (const auto& sprite : *family) {
            expectLoaded(*sprite, "unit");
            EXPECT_EQ(sprite->groupCount, 8);
        }
    for (const auto& sprite : images->tanks) {
        expectLoaded(*sprite, "tank");
        EXPECT_EQ(sprite->groupCount, 8);
    }
    for (const auto& sprite : images->buildings)
        expectLoaded(*sprite, "building");
    for (const auto& sprite : images->bonuses)
        expectLoaded(*sprite, "bonus");
    for (const auto& sprite : images->bullets)
        expectLoaded(*sprite, "bullet");
    for (const auto& sprite : images->flaks)
        expectLoaded(*sprite, "flak");
    ASSERT_EQ(images->explosions.size(), 2u);
    for (const auto& sprite : images->explosions) {
        expectLoaded(*sprite, "explosion");
        EXPECT_GT(sprite->frameCount, 2); // played once up to its last frame
    }
    for (const NLib::Sprite* sprite :
         {images->playerExplode.get(), images->road.get(), images->bridgeExplode.get(), images->missile.get(),
          images->missileExplode1.get(), images->missileExplode2.get(), images->bulletExplode.get(),
          images->fire.get(), images->lifeIcon.get(), images->hullIcon.get()})
        expectLoaded(*sprite, "single sprite");

    // The player's plane banks through its groups, level flight in the middle.
    expectLoaded(*images->playerPlane, "player plane");
    EXPECT_EQ(images->playerPlane->groupCount % 2, 0);
    EXPECT_GE(images->playerPlane->groupCount, 2);
    // The bridge: intact and broken; the sight: sight and lock marker.
    EXPECT_EQ(images->bridge->groupCount, 2);
    EXPECT_GE(images->aimSight->frameCount, 2);
    EXPECT_FLOAT_EQ(images->bulletExplode->getFrameDuration(), 50.0f);

    // Parameter sets: hit shapes everywhere, muzzles, wakes and shot origins where they are used.
    EXPECT_GT(images->playerParams->collisionCircles.radii().size(), 0u);
    for (const auto& boat : images->boatParams) {
        EXPECT_GT(boat->collisionPoints.size(), 0u);
        EXPECT_GT(boat->collisionCircles.radii().size(), 0u);
        EXPECT_EQ(boat->tailPos.size(), 8u);
        EXPECT_GT(boat->hull, 0);
    }
    for (const auto& tank : images->tankParams) {
        EXPECT_GT(tank->collisionCircles.radii().size(), 0u);
        EXPECT_EQ(tank->shootPos.size() % 8, 0u);
    }
    bool someShadow = false;
    for (const auto& building : images->buildingParams)
        someShadow = someShadow || building->shadowX != 0.0f || building->shadowY != 0.0f;
    EXPECT_TRUE(someShadow);

    EXPECT_TRUE(images->font->scanSucceeded());
    EXPECT_NEAR(images->font->lineHeight(), 32.0f, 8.0f);
    ASSERT_TRUE(images->particleTexture->isLoaded());
    for (const auto& templ : images->particles) {
        EXPECT_EQ(templ->texture(), images->particleTexture.get());
        EXPECT_GT(templ->info().emission, 0);
    }
}

TEST(ImagesWithoutArchive, AskingBeforeTheArchiveIsOpenedIsAClearError)
{
    NLib::ResourceArchive::destroy();
    EXPECT_THROW(NVolant::Images::instance(), std::logic_error);
    EXPECT_EQ(NVolant::Images::existing(), nullptr);
}

} // namespace
