#include "ImageFiles.h"
#include "support/HeadlessPlatform.h"

#include "platform/KGraphic.h"
#include "platform/KInjection.h"
#include "platform/KInput.h"
#include "platform/KRenderContext.h"
#include "platform/KRendererChoice.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

// A window of the picture's size is drawn directly, a scaled one through the picture: both must
// give the same picture, the same pointer mapping and the same fade, and a resize switches back.
TEST(FramePath, BothPathsGiveThePictureThePointerAndTheFade)
{
    HeadlessPlatform platform;
    ASSERT_TRUE(platform.ok());
    const auto red = ImageFiles::imageOf(ImageFiles::solid(4, 4, 255, 0, 0), 4, 4);
    ASSERT_EQ(red->getWidth(), 4.0f);

    for (const auto& [width, height, direct] :
         {std::tuple{800, 600, true}, {1600, 1200, false}, {800, 600, true}}) {
        SCOPED_TRACE(width);
        KInjection::resizeWindow(width, height);
        platform.pump();
        // A red 4 x 4 square at (10, 20) on blue; the first frame after the resize takes the new path.
        for (int frame = 0; frame < 2; ++frame) {
            platform.beginFrame(0, 0, 1);
            red->blendImageRect(0, 0, 4, 4, 10, 20);
            platform.endFrame();
            EXPECT_EQ(KRenderContext::get().isDirect(), direct);
        }
        const Frame picture = platform.readFrame();
        ASSERT_EQ(picture.width, 800);
        EXPECT_EQ(picture.at(11, 21).r, 255);
        EXPECT_EQ(picture.at(11, 21).b, 0);
        EXPECT_EQ(picture.at(9, 21).b, 255);
        const Frame output = platform.readOutput();
        ASSERT_EQ(output.width, width);
        ASSERT_EQ(output.height, height);
        const int scale = width / 800;
        EXPECT_EQ(output.at(11 * scale + 1, 21 * scale + 1).r, 255);
        EXPECT_EQ(output.at(width - 1, height - 1).b, 255);
        KInjection::mouseMove(11, 21);
        platform.pump();
        EXPECT_EQ(getMouseX(), 11);
        EXPECT_EQ(getMouseY(), 21);

        platform.window().setFadeAmount(0.5f);
        platform.beginFrame(1, 1, 1);
        platform.endFrame();
        EXPECT_NEAR(platform.readOutput().at(width / 2, height / 2).r, 128, 2);
        platform.window().setFadeAmount(1.0f);
    }
}

TEST(RendererChoice, SoftwareRasterisersAreRecognisedAndNamesChecked)
{
    for (const char* name :
         {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Mesa X11 swrast", "Software Rasterizer"})
        EXPECT_TRUE(KRendererChoice::isSoftwareRasteriser(name)) << name;
    for (const char* name : {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "AMD Radeon RX 6600", ""})
        EXPECT_FALSE(KRendererChoice::isSoftwareRasteriser(name)) << name;
    EXPECT_TRUE(KRendererChoice::isValidName("auto"));
    EXPECT_TRUE(KRendererChoice::isValidName("software"));
    EXPECT_FALSE(KRendererChoice::isValidName("direct3d-on-linux"));
    // Headless runs always draw in software.
    HeadlessPlatform platform;
    EXPECT_EQ(KRendererChoice::inUse(), "software");
}
