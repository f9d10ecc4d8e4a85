#include "platform/KLetterbox.h"

#include <gtest/gtest.h>

#include <array>

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
