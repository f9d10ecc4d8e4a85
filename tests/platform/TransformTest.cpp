#include "support/HeadlessPlatform.h"

#include "platform/KGraphic.h"
#include "platform/KInjection.h"

#include <gtest/gtest.h>

namespace {

// A white bar with a red tip at its right end: shows which way a turn went.
std::unique_ptr<KGraphic> marker()
{
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 21; ++x) {
            const bool tip = x >= 17;
            rgba.insert(rgba.end(), {255, static_cast<std::uint8_t>(tip ? 0 : 255),
                                     static_cast<std::uint8_t>(tip ? 0 : 255), 255});
        }
    auto image = createGraphic();
    image->loadFromPixels(rgba.data(), 21, 5);
    return image;
}

std::unique_ptr<KGraphic> white(int size)
{
    const std::vector<std::uint8_t> rgba(static_cast<std::size_t>(size) * size * 4, 255);
    auto image = createGraphic();
    image->loadFromPixels(rgba.data(), size, size);
    return image;
}

struct Bounds {
    int minX = 100000, minY = 100000, maxX = -1, maxY = -1, count = 0;
};

Bounds boundsOf(const Frame& frame, bool (*match)(const Frame::Pixel&))
{
    Bounds b;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x)
            if (match(frame.at(x, y))) {
                b.minX = std::min(b.minX, x);
                b.maxX = std::max(b.maxX, x);
                b.minY = std::min(b.minY, y);
                b.maxY = std::max(b.maxY, y);
                ++b.count;
            }
    return b;
}

bool isRed(const Frame::Pixel& p)
{
    return p.r > 200 && p.g < 60 && p.b < 60;
}

bool isLit(const Frame::Pixel& p)
{
    return p.r > 128;
}

} // namespace

TEST(TransformedBlit, AlphaOrZoomZeroDrawsNothing)
{
    HeadlessPlatform platform;
    auto image = white(8);
    platform.beginFrame();
    const auto calls = KInjection::drawCallCount();
    image->blendImageRectEx(0, 0, 8, 8, 50, 50, 30, 1, 0);
    image->blendImageRectEx(0, 0, 8, 8, 50, 50, 30, 0, 1);
    image->blendImageRectEx(0, 0, 8, 8, 50, 50, 30, -1, 1);
    image->blendImageRectEx(0, 0, 8, 8, 50, 50, 30, 1, -0.5f);
    EXPECT_EQ(KInjection::drawCallCount(), calls);
    platform.endFrame();
    EXPECT_EQ(platform.readFrame().countNot(0, 0, 0), 0);
}

TEST(TransformedBlit, PositiveAnglesTurnCounterClockwiseOnScreen)
{
    HeadlessPlatform platform;
    auto image = marker();
    // Unturned, centred on (400, 300): the tip points right.
    platform.beginFrame();
    image->blendImageRectEx(0, 0, 21, 5, 389.5f, 297.5f, 0, 1, 1);
    platform.endFrame();
    Bounds tip = boundsOf(platform.readFrame(), isRed);
    ASSERT_GT(tip.count, 0);
    EXPECT_GT(tip.minX, 400);

    platform.beginFrame();
    image->blendImageRectEx(0, 0, 21, 5, 389.5f, 297.5f, 90, 1, 1);
    platform.endFrame();
    platform.readFrame().save("platform", "marker-turned-90");
    tip = boundsOf(platform.readFrame(), isRed);
    ASSERT_GT(tip.count, 0);
    EXPECT_LT(tip.maxY, 295) << "the tip should point up";
    EXPECT_GE(tip.minX, 396);
    EXPECT_LE(tip.maxX, 404);

    platform.beginFrame();
    image->blendImageRectEx(0, 0, 21, 5, 389.5f, 297.5f, -90, 1, 1);
    platform.endFrame();
    tip = boundsOf(platform.readFrame(), isRed);
    EXPECT_GT(tip.minY, 305) << "the tip should point down";
}

TEST(TransformedBlit, ScalesAboutTheTopLeftThenTurnsAboutTheUnscaledCentre)
{
    HeadlessPlatform platform;
    auto image = white(10);

    platform.beginFrame();
    image->blendImageRectEx(0, 0, 10, 10, 100, 100, 0, 2, 1);
    platform.endFrame();
    Bounds lit = boundsOf(platform.readFrame(), isLit);
    EXPECT_EQ(lit.minX, 100);
    EXPECT_EQ(lit.minY, 100);
    EXPECT_EQ(lit.maxX, 119);
    EXPECT_EQ(lit.maxY, 119);

    // Half a turn about (105, 105): the doubled square 100..120 lands on 90..110.
    platform.beginFrame();
    image->blendImageRectEx(0, 0, 10, 10, 100, 100, 180, 2, 1);
    platform.endFrame();
    lit = boundsOf(platform.readFrame(), isLit);
    EXPECT_NEAR(lit.minX, 90, 1);
    EXPECT_NEAR(lit.maxX, 109, 1);
    EXPECT_NEAR(lit.minY, 90, 1);
    EXPECT_NEAR(lit.maxY, 109, 1);

    // The pivot offset moves the turning point: about (115, 105) the square 100..110 goes to 120..130.
    platform.beginFrame();
    image->blendImageRectEx(0, 0, 10, 10, 100, 100, 180, 1, 1, false, false, 10, 0);
    platform.endFrame();
    lit = boundsOf(platform.readFrame(), isLit);
    EXPECT_NEAR(lit.minX, 120, 1);
    EXPECT_NEAR(lit.maxX, 129, 1);
    EXPECT_NEAR(lit.minY, 100, 1);
    EXPECT_NEAR(lit.maxY, 109, 1);
}

TEST(TransformedBlit, AlphaMultipliesTheBlitColour)
{
    HeadlessPlatform platform;
    auto image = white(10);
    image->setModulateColor(1, 1, 1, 0.5f);
    platform.beginFrame();
    image->blendImageRectEx(0, 0, 10, 10, 0, 0, 0, 1, 0.5f);
    platform.endFrame();
    // 255 x 0.25
    EXPECT_NEAR(platform.readFrame().at(5, 5).r, 63, 2);
}
