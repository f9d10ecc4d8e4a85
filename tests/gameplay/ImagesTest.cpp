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
    EXPECT_GT(sprite.frameCount, 0) << what;
    ASSERT_NE(sprite.currentImage(), nullptr) << what;
    EXPECT_TRUE(sprite.currentImage()->isLoaded()) << what;
}

// Shapes of each sprite and parameter file are checked on the generated tree (tests/tools); here,
// that the registry finds and loads every one of them through the archive.
TEST_F(ImagesTest, EverythingLoadsFromTheDataPack)
{
    NVolant::Images* images = NVolant::Images::instance();
    EXPECT_EQ(NVolant::Images::instance(), images); // the second access loads nothing
    const auto all = [](const auto& family, const char* what) {
        for (const auto& sprite : family)
            expectLoaded(*sprite, what);
    };
    all(images->boats, "boat");
    all(images->helics, "helicopter");
    all(images->planes, "plane");
    all(images->tanks, "tank");
    all(images->buildings, "building");
    all(images->bonuses, "bonus");
    all(images->bullets, "bullet");
    all(images->flaks, "flak");
    all(images->explosions, "explosion");
    ASSERT_EQ(images->explosions.size(), 2u);
    for (const NLib::Sprite* sprite :
         {images->playerPlane.get(), images->playerExplode.get(), images->road.get(), images->bridge.get(),
          images->bridgeExplode.get(), images->missile.get(), images->missileExplode1.get(),
          images->missileExplode2.get(), images->bulletExplode.get(), images->fire.get(),
          images->lifeIcon.get(), images->hullIcon.get(), images->aimSight.get()})
        expectLoaded(*sprite, "single sprite");
    // The rounds' impact plays at 20 pictures a second, whatever its file says.
    NLib::Sprite impact(*images->bulletExplode);
    ASSERT_GT(impact.frameCount, 1);
    impact.update(49.0f);
    EXPECT_EQ(impact.getFrame(), 0);
    impact.update(2.0f);
    EXPECT_EQ(impact.getFrame(), 1);
    EXPECT_GT(images->playerParams->collisionCircles.size(), 0u);
    for (const auto& params : images->boatParams)
        EXPECT_GT(params->collisionCircles.size(), 0u);
    for (const auto& params : images->tankParams)
        EXPECT_GT(params->collisionCircles.size(), 0u);
    EXPECT_TRUE(images->font->scanSucceeded());
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
