// The floating texts on screen: drawn with the game's own font from the data pack, where the
// world put them relative to the camera, in their colour, and fading.
#include "content/BitmapText.h"
#include "content/ResourceArchive.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "score/Scores.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

using NVolant::Scores;

class ScoresDrawTest : public ::testing::Test {
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

    Frame drawn(const Vector4& camera)
    {
        platform->beginFrame(0, 0, 0);
        scores.draw(camera);
        Frame frame = platform->readFrame();
        platform->endFrame();
        return frame;
    }

    // Pixels of a colour inside a box: (r, g, b) each matched to within 40.
    static int count(const Frame& f, int x0, int y0, int x1, int y1, int r, int g, int b)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const Frame::Pixel p = f.at(x, y);
                if (std::abs(p.r - r) < 40 && std::abs(p.g - g) < 40 && std::abs(p.b - b) < 40)
                    ++n;
            }
        return n;
    }

    std::unique_ptr<HeadlessPlatform> platform;
    Scores scores;
};

TEST_F(ScoresDrawTest, TextsShowWhereTheWorldPutThemAndFadeAway)
{
    scores.addScore(250, Vector4(100, 1400)); // a kill: yellow
    scores.addScore(9750, Vector4(500, 1200));
    scores.checkExtraLife(3, Vector4(500, 1100)); // "+1 UP" in pink

    // Camera at 1000: the first text's top-left corner is at (100, 200) on screen.
    const Frame frame = drawn(Vector4(0, 1000, 0, 1));
    frame.save("score", "floating-texts");
    const float width = NVolant::Images::instance()->font->measureText("+250", 16);
    ASSERT_GT(width, 16.0f);
    const int w = static_cast<int>(width) + 1;
    EXPECT_GT(count(frame, 100, 200, 100 + w, 216, 255, 255, 0), 10);
    EXPECT_EQ(count(frame, 100, 200, 100 + w, 216, 255, 25, 128), 0);
    EXPECT_GT(count(frame, 500, 400, 600, 416, 255, 255, 0), 10);
    EXPECT_GT(count(frame, 500, 500, 600, 516, 255, 25, 128), 10);
    // Nothing outside the two texts.
    EXPECT_EQ(count(frame, 0, 0, 800, 190, 255, 255, 0), 0);
    EXPECT_EQ(count(frame, 0, 230, 480, 600, 255, 255, 0), 0);

    // Half a second later the texts have risen 25 pixels up the screen and are half faded.
    scores.update(500.0f);
    const Frame later = drawn(Vector4(0, 1000, 0, 1));
    EXPECT_EQ(count(later, 100, 200 + 12, 100 + w, 216, 255, 255, 0), 0);
    EXPECT_GT(count(later, 100, 175, 100 + w, 191, 128, 128, 0), 10);

    scores.update(501.0f);
    EXPECT_EQ(drawn(Vector4(0, 1000, 0, 1)).countNot(0, 0, 0), 0);
}

} // namespace
