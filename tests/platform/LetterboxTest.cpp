#include "platform/KLetterbox.h"

#include <gtest/gtest.h>

TEST(Letterbox, FitsEvenlyAndCentres)
{
    const KLetterbox same = KLetterbox::fit(800, 600, 800, 600);
    EXPECT_FLOAT_EQ(same.scale, 1.0f);
    EXPECT_FLOAT_EQ(same.offsetX, 0.0f);

    const KLetterbox wide = KLetterbox::fit(800, 600, 1920, 1080);
    EXPECT_FLOAT_EQ(wide.scale, 1.8f);
    EXPECT_FLOAT_EQ(wide.offsetX, 240.0f);
    EXPECT_FLOAT_EQ(wide.offsetY, 0.0f);

    const KLetterbox tall = KLetterbox::fit(800, 600, 1280, 1024);
    EXPECT_FLOAT_EQ(tall.scale, 1.6f);
    EXPECT_FLOAT_EQ(tall.offsetX, 0.0f);
    EXPECT_FLOAT_EQ(tall.offsetY, 32.0f);
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

TEST(Letterbox, BarsClampToThePictureEdge)
{
    const KLetterbox box = KLetterbox::fit(800, 600, 1920, 1080);
    EXPECT_EQ(box.toLogicalX(10), 0);
    EXPECT_EQ(box.toLogicalX(1919), 799);
    EXPECT_EQ(box.toLogicalX(240), 0);
    EXPECT_EQ(box.toLogicalX(240 + 1.8f * 400), 400);
}
