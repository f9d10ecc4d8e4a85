#include "ImageFiles.h"
#include "support/HeadlessPlatform.h"

#include "platform/KGraphic.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A white bar with a red tip at its right end: shows which way a turn went.
std::unique_ptr<KGraphic> marker()
{
    auto rgba = ImageFiles::solid(21, 5, 255, 255, 255);
    for (int y = 0; y < 5; ++y)
        for (int x = 17; x < 21; ++x)
            rgba[(y * 21 + x) * 4 + 1] = rgba[(y * 21 + x) * 4 + 2] = 0;
    return ImageFiles::imageOf(rgba, 21, 5);
}

struct Bounds {
    int minX = 100000, minY = 100000, maxX = -1, maxY = -1, count = 0;
};

// Where the pixels that match lie in a frame drawn by draw.
Bounds drawnBounds(HeadlessPlatform& platform, const std::function<void()>& draw,
                   bool (*match)(const Frame::Pixel&))
{
    platform.beginFrame();
    draw();
    platform.endFrame();
    const Frame frame = platform.readFrame();
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

TEST(TransformedBlit, PositiveAnglesTurnCounterClockwiseOnScreen)
{
    HeadlessPlatform platform;
    auto image = marker();
    // Centred on (400, 300); unturned the tip points right.
    auto tipAt = [&](float angle) {
        return drawnBounds(
            platform, [&] { image->blendImageRectEx(0, 0, 21, 5, 389.5f, 297.5f, angle, 1, 1); }, isRed);
    };
    Bounds tip = tipAt(0);
    ASSERT_GT(tip.count, 0);
    EXPECT_GT(tip.minX, 400);

    tip = tipAt(90);
    ASSERT_GT(tip.count, 0);
    EXPECT_LT(tip.maxY, 295) << "the tip should point up";
    EXPECT_GE(tip.minX, 396);
    EXPECT_LE(tip.maxX, 404);

    EXPECT_GT(tipAt(-90).minY, 305) << "the tip should point down";
}

TEST(TransformedBlit, ScalesAboutTheTopLeftThenTurnsAboutTheUnscaledCentre)
{
    HeadlessPlatform platform;
    auto image = ImageFiles::imageOf(ImageFiles::solid(10, 10, 255, 255, 255), 10, 10);
    struct Case {
        const char* what;
        float angle, zoom, pivotX;
        int minX, maxX, minY, maxY;
    };
    const Case cases[] = {
        {"doubled", 0, 2, 0, 100, 119, 100, 119},
        // Half a turn about (105, 105): the doubled square 100..120 lands on 90..110.
        {"doubled and half a turn", 180, 2, 0, 90, 109, 90, 109},
        // The pivot offset moves the turning point: about (115, 105) the square goes to 120..130.
        {"half a turn about a pivot", 180, 1, 10, 120, 129, 100, 109},
    };
    for (const Case& c : cases) {
        const Bounds lit = drawnBounds(
            platform,
            [&] {
                image->blendImageRectEx(0, 0, 10, 10, 100, 100, c.angle, c.zoom, 1, false, false, c.pivotX,
                                        0);
            },
            isLit);
        EXPECT_NEAR(lit.minX, c.minX, 1) << c.what;
        EXPECT_NEAR(lit.maxX, c.maxX, 1) << c.what;
        EXPECT_NEAR(lit.minY, c.minY, 1) << c.what;
        EXPECT_NEAR(lit.maxY, c.maxY, 1) << c.what;
    }
}
