#include "support/HeadlessPlatform.h"
#include "ImageFiles.h"
#include "support/TempDir.h"

#include "platform/FileBytes.h"
#include "platform/KGraphic.h"
#include "platform/KInjection.h"
#include "platform/PngWriter.h"

#include "platform/KRenderContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

using ImageFiles::imageOf;
using ImageFiles::solid;

TEST(Graphic, An100By37ImageDrawsExactlyItsOwnPixels)
{
    HeadlessPlatform platform;
    const auto rgba = ImageFiles::pattern(100, 37);
    auto png = encodePng(100, 37, rgba);
    auto image = createGraphic();
    ASSERT_TRUE(image->loadFromMemory("pattern.png", png.data(), png.size()));
    EXPECT_EQ(image->getWidth(), 100.0f);
    EXPECT_EQ(image->getHeight(), 37.0f);

    const std::function<void()> draws[] = {[&] { image->blendImageRect(0, 0, 100, 37, 13, 7); },
                                           [&] { image->putImageRectInt(0, 0, 100, 37, 13, 7); },
                                           [&] { image->blendImageRectEx(0, 0, 100, 37, 13, 7, 0, 1, 1); }};
    for (int variant = 0; variant < 3; ++variant) {
        platform.beginFrame(0, 0, 0);
        draws[variant]();
        platform.endFrame();
        const Frame frame = platform.readFrame();
        for (int y = 0; y < 37; ++y)
            for (int x = 0; x < 100; ++x) {
                const auto p = frame.at(13 + x, 7 + y);
                const std::uint8_t* q = rgba.data() + (y * 100 + x) * 4;
                ASSERT_EQ(p.r, q[0]) << "variant " << variant << " at " << x << "," << y;
                ASSERT_EQ(p.g, q[1]);
                ASSERT_EQ(p.b, q[2]);
            }
        EXPECT_EQ(frame.countNot(0, 0, 0), 100 * 37) << variant;
    }
}

TEST(Graphic, SourceRectanglesFlipsAndWrap)
{
    HeadlessPlatform platform;
    const auto rgba = ImageFiles::pattern(20, 10);
    auto image = imageOf(rgba, 20, 10);
    auto expected = [&](int x, int y) { return rgba[(y * 20 + x) * 4]; };

    platform.beginFrame();
    image->blendImageRect(5, 2, 15, 8, 100, 100);
    image->blendImageRect(0, 0, 20, 10, 200, 100, true, false);
    image->blendImageRect(0, 0, 20, 10, 300, 100, false, true);
    platform.endFrame();
    Frame frame = platform.readFrame();
    EXPECT_EQ(frame.at(100, 100).r, expected(5, 2));
    EXPECT_EQ(frame.at(109, 105).r, expected(14, 7));
    EXPECT_EQ(frame.at(110, 100).r, 0);
    EXPECT_EQ(frame.at(200, 100).r, expected(19, 0));
    EXPECT_EQ(frame.at(219, 100).r, expected(0, 0));
    EXPECT_EQ(frame.at(300, 100).g, rgba[(9 * 20) * 4 + 1]);

    // Wrapping repeats the image across a wider source rectangle.
    image->setWrapMode(true);
    platform.beginFrame();
    image->blendImageRect(0, 0, 60, 10, 0, 0);
    image->blendImageRect(-5, 0, 15, 10, 0, 50);
    platform.endFrame();
    frame = platform.readFrame();
    for (int x = 0; x < 60; ++x)
        ASSERT_EQ(frame.at(x, 3).r, expected(x % 20, 3)) << x;
    EXPECT_EQ(frame.at(0, 50).r, expected(15, 0));
    EXPECT_EQ(frame.at(5, 50).r, expected(0, 0));
}

TEST(Graphic, BlendModesAndTint)
{
    HeadlessPlatform platform;
    auto half = imageOf(solid(10, 10, 200, 40, 100, 128), 10, 10);

    platform.beginFrame(100.0f / 255, 100.0f / 255, 100.0f / 255);
    half->setBlendMode(0);
    half->blendImageRect(0, 0, 10, 10, 0, 0);
    half->setBlendMode(1);
    half->blendImageRect(0, 0, 10, 10, 20, 0);
    half->putImageRect(0, 0, 10, 10, 40, 0);
    half->setModulateColor(0.5f, 1.0f, 0.25f, 1.0f);
    half->putImageRect(0, 0, 10, 10, 60, 0);
    half->setModulateColor(1, 1, 1, 0);
    half->blendImageRect(0, 0, 10, 10, 80, 0);
    platform.endFrame();
    const Frame frame = platform.readFrame();

    // Over grey 100 a colour (200, 40, 100) of alpha 128, drawn at x, gives (r, g, b).
    const std::array<int, 4> expected[] = {
        {5, 200, 120, 150},  // additive: destination + source x alpha
        {25, 150, 70, 100},  // normal: source x alpha + destination x (1 - alpha)
        {45, 200, 40, 100},  // blending off: the source replaces the destination
        {65, 100, 40, 25},   // the tint multiplies
        {85, 100, 100, 100}, // a blit colour of alpha 0 leaves nothing behind
    };
    for (const auto& [x, r, g, b] : expected) {
        const Frame::Pixel p = frame.at(x, 5);
        EXPECT_NEAR(p.r, r, 2) << x;
        EXPECT_NEAR(p.g, g, 2) << x;
        EXPECT_NEAR(p.b, b, 2) << x;
    }
}

TEST(Graphic, ColourKeyAndSolidFill)
{
    HeadlessPlatform platform;
    auto rgba = solid(4, 1, 255, 0, 255, 255);
    rgba[4] = 10; // pixel 1 is not magenta
    auto image = createGraphic();
    image->setTransparentColor(true, 255, 0, 255);
    ASSERT_TRUE(image->loadFromPixels(rgba.data(), 4, 1));
    platform.beginFrame(0, 0, 0.5f);
    image->blendImageRect(0, 0, 4, 1, 0, 0);
    image->fillSolidRect(10, 10, 20, 15, 1, 0, 0, 1);
    platform.endFrame();
    const Frame frame = platform.readFrame();
    EXPECT_EQ(frame.at(0, 0).r, 0);
    EXPECT_EQ(frame.at(1, 0).r, 10);
    EXPECT_EQ(frame.at(15, 12).r, 255);
    EXPECT_EQ(frame.at(20, 12).r, 0);

    // A see-through dark veil over grey, upright (a plain fill) and under a mirrored view (the
    // triangles): both darken by the same share and stay inside their rectangle.
    platform.beginFrame(0.8f, 0.8f, 0.8f);
    image->fillSolidRect(10, 10, 20, 20, 0, 0, 0, 0.5f);
    KAffine mirrored;
    mirrored.b = 1;
    mirrored.c = 1;
    mirrored.a = mirrored.d = 0;
    KRenderContext::get().setView(mirrored);
    image->fillSolidRect(30, 40, 35, 60, 0, 0, 0, 0.5f); // lands at x 40..60, y 30..35
    KRenderContext::get().setView(KAffine());
    platform.endFrame();
    const Frame veiled = platform.readFrame();
    EXPECT_NEAR(veiled.at(15, 15).g, 102, 2);
    EXPECT_NEAR(veiled.at(20, 20).g, 204, 1);
    EXPECT_NEAR(veiled.at(50, 32).g, 102, 2);
    EXPECT_NEAR(veiled.at(32, 50).g, 204, 1);
}

TEST(Graphic, DamagedAndMissingFilesLeaveAnEmptyImageThatDrawsNothing)
{
    HeadlessPlatform platform;
    auto image = createGraphic();
    const auto rgba = ImageFiles::pattern(30, 30);
    auto png = encodePng(30, 30, rgba);
    png.resize(png.size() / 2);
    EXPECT_FALSE(image->loadFromMemory("broken.png", png.data(), png.size()));
    EXPECT_EQ(image->getWidth(), 0.0f);
    EXPECT_FALSE(image->loadFromFile("/nonexistent/folder/missing.png"));
    EXPECT_FALSE(image->loadFromMemory("unknown.bmp", rgba.data(), rgba.size()));
    platform.beginFrame();
    const auto calls = KInjection::drawCallCount();
    image->blendImageRect(0, 0, 30, 30, 0, 0);
    image->blendImageRectEx(0, 0, 30, 30, 0, 0, 45, 2, 1);
    EXPECT_EQ(KInjection::drawCallCount(), calls);
    platform.endFrame();
    EXPECT_EQ(platform.readFrame().countNot(0, 0, 0), 0);
}

TEST(Graphic, ImagesLoadFromEverySourceAndRebuildThemselvesAfterALostRenderer)
{
    {
        auto early = createGraphic();
        const auto rgba = solid(2, 2, 1, 2, 3, 255);
        EXPECT_FALSE(early->loadFromPixels(rgba.data(), 2, 2)) << "no renderer yet";
    }
    HeadlessPlatform platform;
    const auto rgba = ImageFiles::pattern(16, 16);
    const auto png = encodePng(16, 16, rgba);
    TempDir dir;
    ASSERT_TRUE(writePng(dir.file("disk.png"), 16, 16, rgba));
    std::unique_ptr<KGraphic> images[4];
    for (auto& image : images)
        image = createGraphic();
    ASSERT_TRUE(images[0]->loadFromPixels(rgba.data(), 16, 16));
    ASSERT_TRUE(images[1]->loadFromMemory("memory.png", png.data(), png.size()));
    ASSERT_TRUE(images[2]->loadFromFile(dir.file("disk.png")));
    // With a reader (the game's archive) files come through it.
    std::vector<std::string> asked;
    setImageFileReader([&](const std::string& name) {
        asked.push_back(name);
        return name == "menu/inpack.png" ? png : readFileBytes(name);
    });
    ASSERT_TRUE(images[3]->loadFromFile("menu/inpack.png"));
    EXPECT_EQ(images[3]->getWidth(), 16.0f);

    // Both a renderer reset and a lost device bring every image back; files are read again.
    for (int loss = 0; loss < 2; ++loss) {
        asked.clear();
        if (loss == 0) {
            ASSERT_TRUE(KInjection::resetRenderer());
        } else {
            KInjection::deviceLost();
            platform.pump();
        }
        EXPECT_EQ(std::count(asked.begin(), asked.end(), "menu/inpack.png"), 1) << loss;
        platform.beginFrame();
        for (int i = 0; i < 4; ++i)
            images[i]->blendImageRect(0, 0, 16, 16, 20.0f * i, 0);
        platform.endFrame();
        const Frame frame = platform.readFrame();
        for (int x0 : {0, 20, 40, 60})
            for (int i = 0; i < 16; ++i) {
                EXPECT_EQ(frame.at(x0 + i, i).r, rgba[(i * 16 + i) * 4]) << x0 << " after loss " << loss;
                EXPECT_EQ(frame.at(x0 + i, i).b, rgba[(i * 16 + i) * 4 + 2]) << x0 << " after loss " << loss;
            }
    }
    setImageFileReader(nullptr);
}
