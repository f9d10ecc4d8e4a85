#include "levels/Image.h"
#include "levels/TerrainReview.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace datagen::levels;

// Writes build/test-output/terrain/<landscape>.png, the pages to judge the ground by.
TEST(TerrainReview, WritesAPagePerLandscape)
{
    const char* build = std::getenv("SKYVANE_BUILD_DIR");
    const std::filesystem::path folder = std::filesystem::path(build ? build : ".") / "test-output" / "terrain";
    std::filesystem::create_directories(folder);
    for (const char* name : {"grass", "forest", "autumn", "scrub", "desert", "rock", "snow", "town"}) {
        const auto landscape = landscapeNamed(name);
        ASSERT_TRUE(landscape) << name;
        const Image page = terrainReviewPage(*landscape);
        EXPECT_GE(page.width, 1600);
        EXPECT_GE(page.height, 600);
        EXPECT_TRUE(writePngFile(page, (folder / (std::string(name) + ".png")).string()));
    }
    EXPECT_FALSE(landscapeNamed("lava"));
}

} // namespace
