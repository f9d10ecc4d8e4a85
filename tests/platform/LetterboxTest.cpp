#include "platform/KLetterbox.h"
#include "platform/KWindowFrame.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

TEST(Letterbox, FitsEvenlyCentresAndClampsTheBarsToThePicture)
{
    // Window size, then scale and offsets.
    const std::array<float, 5> fits[] = {
        {800, 600, 1.0f, 0, 0}, {1920, 1080, 1.8f, 240, 0}, {1280, 1024, 1.6f, 0, 32}};
    for (const auto& [w, h, scale, x, y] : fits) {
        const KLetterbox box = KLetterbox::fit(800, 600, static_cast<int>(w), static_cast<int>(h));
        EXPECT_FLOAT_EQ(box.scale, scale) << w;
        EXPECT_FLOAT_EQ(box.offsetX, x) << w;
        EXPECT_FLOAT_EQ(box.offsetY, y) << w;
    }
    const KLetterbox box = KLetterbox::fit(800, 600, 1920, 1080);
    EXPECT_EQ(box.toLogicalX(10), 0);
    EXPECT_EQ(box.toLogicalX(1919), 799);
    EXPECT_EQ(box.toLogicalX(240 + 1.8f * 400), 400);
}

TEST(Letterbox, EveryLogicalPixelSurvivesTheRoundTrip)
{
    for (const auto& [w, h] : {std::pair{1920, 1080}, {1366, 768}, {1280, 1024}, {800, 600}, {2560, 1440}}) {
        const KLetterbox box = KLetterbox::fit(800, 600, w, h);
        for (int x = 0; x < 800; ++x)
            ASSERT_EQ(box.toLogicalX(static_cast<float>(box.toWindowX(x))), x) << w << "x" << h;
        for (int y = 0; y < 600; ++y)
            ASSERT_EQ(box.toLogicalY(static_cast<float>(box.toWindowY(y))), y) << w << "x" << h;
    }
}

TEST(Letterbox, HiDpiPointsMapToTheirPixelsAndWholeScalesStaySharp)
{
    // A 2x display: an 800 x 600 point window has 1600 x 1200 pixels; one at 1.5x has bars.
    for (const auto& [w, h, points] :
         {std::tuple{1600, 1200, 2.0f}, {2400, 1200, 2.0f}, {1500, 1125, 1.5f}}) {
        const KLetterbox box = KLetterbox::fit(800, 600, w, h, points);
        for (int x = 0; x < 800; ++x)
            ASSERT_EQ(box.toLogicalX(static_cast<float>(box.toWindowX(x))), x) << w << "x" << h;
        EXPECT_EQ(box.toLogicalY(static_cast<float>(h) / points - 1), 599);
        EXPECT_FLOAT_EQ(box.toLogicalDistance(10), 10 * points / box.scale);
    }
    const std::pair<std::array<int, 2>, bool> sharp[] = {{{800, 600}, true},
                                                         {{1600, 1200}, true},
                                                         {{3840, 2160}, false},
                                                         {{1920, 1080}, false},
                                                         {{400, 300}, false}};
    for (const auto& [size, whole] : sharp)
        EXPECT_EQ(KLetterbox::fit(800, 600, size[0], size[1]).isWholeScale(), whole) << size[0];
}

TEST(WindowFrame, OpensAtTheLargestWholeMultipleThatLeavesSomeDesktop)
{
    // Usable desktop (points), then the multiple of 800 x 600 the window opens at.
    const std::array<int, 3> desktops[] = {{1366, 728, 1},  {1920, 1050, 1}, {2560, 1400, 2}, {1920, 1200, 1},
                                           {3840, 2100, 3}, {5120, 2800, 4}, {640, 480, 1},   {0, 0, 1}};
    for (const auto& [w, h, scale] : desktops)
        EXPECT_EQ(KWindowFrame::openingScale(w, h, 800, 600), scale) << w << "x" << h;
}
