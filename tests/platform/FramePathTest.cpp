#include "support/HeadlessPlatform.h"

#include "platform/KGraphic.h"
#include "platform/KInjection.h"
#include "platform/KInput.h"
#include "platform/KRenderContext.h"
#include "platform/KRendererChoice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A frame with a red 4 x 4 square at (10, 20) on blue, presented.
void drawMarkedFrame(HeadlessPlatform& platform, KGraphic& red)
{
    platform.beginFrame(0, 0, 1);
    red.blendImageRect(0, 0, 4, 4, 10, 20);
    platform.endFrame();
}

} // namespace

TEST(FramePath, AWindowOfThePicturesSizeIsDrawnDirectlyAndAScaledOneThroughThePicture)
{
    HeadlessPlatform platform;
    ASSERT_TRUE(platform.ok());
    auto red = createGraphic();
    const std::vector<std::uint8_t> pixels(4 * 4 * 4, 255);
    std::vector<std::uint8_t> rgba = pixels;
    for (std::size_t i = 1; i < rgba.size(); i += 4)
        rgba[i] = rgba[i + 1] = 0;
    ASSERT_TRUE(red->loadFromPixels(rgba.data(), 4, 4));

    // Both paths must give the same picture, the same output and the same pointer mapping.
    auto check = [&](bool direct, int outW, int outH) {
        drawMarkedFrame(platform, *red);
        EXPECT_EQ(KRenderContext::get().isDirect(), direct);
        drawMarkedFrame(platform, *red);
        const Frame picture = platform.readFrame();
        ASSERT_EQ(picture.width, 800);
        EXPECT_EQ(picture.at(11, 21).r, 255);
        EXPECT_EQ(picture.at(11, 21).b, 0);
        EXPECT_EQ(picture.at(9, 21).b, 255);
        const Frame output = platform.readOutput();
        ASSERT_EQ(output.width, outW);
        ASSERT_EQ(output.height, outH);
        KInjection::mouseMove(11, 21);
        platform.pump();
        EXPECT_EQ(getMouseX(), 11);
        EXPECT_EQ(getMouseY(), 21);
    };
    check(true, 800, 600);
    KInjection::resizeWindow(1600, 1200);
    platform.pump();
    check(false, 1600, 1200);
    const Frame scaled = platform.readOutput();
    EXPECT_EQ(scaled.at(23, 43).r, 255); // doubled: (10, 20) lands on (20, 40)
    KInjection::resizeWindow(800, 600);
    platform.pump();
    check(true, 800, 600);
    const Frame direct = platform.readOutput();
    EXPECT_EQ(direct.at(11, 21).r, 255);
    EXPECT_EQ(direct.at(799, 599).b, 255);
}

TEST(FramePath, TheFadeDarkensBothPaths)
{
    HeadlessPlatform platform;
    ASSERT_TRUE(platform.ok());
    platform.window().setFadeAmount(0.5f);
    for (int size : {600, 1200}) {
        KInjection::resizeWindow(size * 4 / 3, size);
        platform.pump();
        platform.beginFrame(1, 1, 1);
        platform.endFrame();
        platform.beginFrame(1, 1, 1);
        platform.endFrame();
        const Frame output = platform.readOutput();
        EXPECT_NEAR(output.at(output.width / 2, output.height / 2).r, 128, 2) << size;
    }
    platform.window().setFadeAmount(1.0f);
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
