#include "support/HeadlessPlatform.h"
#include "ImageFiles.h"
#include "support/TempDir.h"

#include "platform/KGraphic.h"
#include "platform/KInjection.h"
#include "platform/PngWriter.h"

#include "platform/KRenderContext.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<KGraphic> imageOf(const std::vector<std::uint8_t>& rgba, int width, int height)
{
    auto image = createGraphic();
    EXPECT_TRUE(image->loadFromPixels(rgba.data(), width, height));
    return image;
}

std::vector<std::uint8_t> solid(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                std::uint8_t a)
{
    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < width * height; ++i)
        rgba.insert(rgba.end(), {r, g, b, a});
    return rgba;
}

} // namespace

TEST(Graphic, An100By37ImageDrawsExactlyItsOwnPixels)
{
    HeadlessPlatform platform;
    const auto rgba = ImageFiles::pattern(100, 37);
    auto png = encodePng(100, 37, rgba);
    auto image = createGraphic();
    ASSERT_TRUE(image->loadFromMemory("pattern.png", png.data(), png.size()));
    EXPECT_EQ(image->getWidth(), 100.0f);
    EXPECT_EQ(image->getHeight(), 37.0f);

    for (int variant = 0; variant < 3; ++variant) {
        platform.beginFrame(0, 0, 0);
        if (variant == 0)
            image->blendImageRect(0, 0, 100, 37, 13, 7);
        else if (variant == 1)
            image->putImageRectInt(0, 0, 100, 37, 13, 7);
        else
            image->blendImageRectEx(0, 0, 100, 37, 13, 7, 0, 1, 1);
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

    // Additive: destination + source x alpha (128 / 255).
    auto p = frame.at(5, 5);
    EXPECT_NEAR(p.r, 100 + 100, 2);
    EXPECT_NEAR(p.g, 100 + 20, 2);
    EXPECT_NEAR(p.b, 100 + 50, 2);
    // Normal: source x alpha + destination x (1 - alpha).
    p = frame.at(25, 5);
    EXPECT_NEAR(p.r, 150, 2);
    EXPECT_NEAR(p.g, 70, 2);
    EXPECT_NEAR(p.b, 100, 2);
    // Blending off: the source replaces the destination.
    p = frame.at(45, 5);
    EXPECT_EQ(p.r, 200);
    EXPECT_EQ(p.g, 40);
    EXPECT_EQ(p.b, 100);
    // The tint multiplies.
    p = frame.at(65, 5);
    EXPECT_NEAR(p.r, 100, 2);
    EXPECT_NEAR(p.g, 40, 1);
    EXPECT_NEAR(p.b, 25, 2);
    // A blit colour of alpha 0 leaves nothing behind.
    p = frame.at(85, 5);
    EXPECT_EQ(p.r, 100);
    EXPECT_EQ(p.b, 100);
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

TEST(Graphic, LoadsFromFilesThroughTheReaderAndNeedsARenderer)
{
    {
        auto early = createGraphic();
        const auto rgba = solid(2, 2, 1, 2, 3, 255);
        EXPECT_FALSE(early->loadFromPixels(rgba.data(), 2, 2));
    }
    HeadlessPlatform platform;
    TempDir dir;
    const auto rgba = ImageFiles::pattern(8, 8);
    ASSERT_TRUE(writePng(dir.file("tile.png"), 8, 8, rgba));
    auto image = createGraphic();
    ASSERT_TRUE(image->loadFromFile(dir.file("tile.png")));
    EXPECT_EQ(image->getWidth(), 8.0f);

    std::vector<std::string> asked;
    setImageFileReader([&](const std::string& name) {
        asked.push_back(name);
        return encodePng(8, 8, rgba);
    });
    auto packed = createGraphic();
    EXPECT_TRUE(packed->loadFromFile("menu/inpack.png"));
    setImageFileReader(nullptr);
    EXPECT_EQ(asked, std::vector<std::string>{"menu/inpack.png"});
}

TEST(Graphic, ImagesRebuildThemselvesAfterARendererReset)
{
    HeadlessPlatform platform;
    const auto rgba = ImageFiles::pattern(16, 16);
    auto fromPixels = imageOf(rgba, 16, 16);
    const auto png = encodePng(16, 16, rgba);
    auto fromMemory = createGraphic();
    ASSERT_TRUE(fromMemory->loadFromMemory("memory.png", png.data(), png.size()));
    TempDir dir;
    ASSERT_TRUE(writePng(dir.file("disk.png"), 16, 16, rgba));
    auto fromFile = createGraphic();
    ASSERT_TRUE(fromFile->loadFromFile(dir.file("disk.png")));

    ASSERT_TRUE(KInjection::resetRenderer());
    platform.beginFrame();
    fromPixels->blendImageRect(0, 0, 16, 16, 0, 0);
    fromMemory->blendImageRect(0, 0, 16, 16, 20, 0);
    fromFile->blendImageRect(0, 0, 16, 16, 40, 0);
    platform.endFrame();
    const Frame frame = platform.readFrame();
    for (int x0 : {0, 20, 40})
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(frame.at(x0 + i, i).r, rgba[(i * 16 + i) * 4]) << x0;
            EXPECT_EQ(frame.at(x0 + i, i).b, rgba[(i * 16 + i) * 4 + 2]) << x0;
        }
}

TEST(Graphic, ALostDeviceRereadsFilesThroughTheReader)
{
    HeadlessPlatform platform;
    const auto rgba = ImageFiles::pattern(8, 8);
    int reads = 0;
    setImageFileReader([&](const std::string&) {
        ++reads;
        return encodePng(8, 8, rgba);
    });
    auto image = createGraphic();
    ASSERT_TRUE(image->loadFromFile("terrain/tile.png"));
    EXPECT_EQ(reads, 1);
    KInjection::deviceLost();
    platform.pump();
    EXPECT_EQ(reads, 2);
    setImageFileReader(nullptr);

    platform.beginFrame();
    image->blendImageRect(0, 0, 8, 8, 0, 0);
    platform.endFrame();
    EXPECT_EQ(platform.readFrame().at(7, 7).r, rgba[(7 * 8 + 7) * 4]);
}
