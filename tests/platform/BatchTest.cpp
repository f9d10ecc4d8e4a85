#include "ImageFiles.h"
#include "support/HeadlessPlatform.h"

#include "platform/KBatch.h"
#include "platform/KGraphic.h"
#include "platform/KInjection.h"

#include <gtest/gtest.h>

TEST(Batch, QuadsGoOutInOneDrawCallUntilTheBatchIsFull)
{
    HeadlessPlatform platform;
    auto image = ImageFiles::imageOf(ImageFiles::solid(2, 2, 255, 255, 255), 2, 2);
    auto batch = createBatch();
    ASSERT_TRUE(batch->reserveQuads(500));
    platform.beginFrame();
    auto before = KInjection::drawCallCount();
    batch->startQuads(image.get());
    for (int i = 0; i < 500; ++i) {
        image->setModulateColor(1, (i % 2) ? 1.0f : 0.0f, 1, 1);
        batch->addImageQuadEx(0, 0, 2, 2, static_cast<float>((i % 25) * 30),
                              static_cast<float>((i / 25) * 28), 0, 1, 1);
    }
    EXPECT_EQ(KInjection::drawCallCount(), before);
    batch->flushQuads();
    EXPECT_EQ(KInjection::drawCallCount(), before + 1);
    platform.endFrame();
    Frame frame = platform.readFrame();
    EXPECT_EQ(frame.countNot(0, 0, 0), 500 * 4);
    EXPECT_EQ(frame.at(0, 0).g, 0);    // quad 0 tinted magenta
    EXPECT_EQ(frame.at(30, 0).g, 255); // quad 1 white
    EXPECT_EQ(frame.at(24 * 30 + 1, 19 * 28 + 1).r, 255);

    // Room for 20 quads: 50 go out in two full batches as they come and the rest when flushed.
    image->setModulateColor(1, 1, 1, 1);
    batch->reserveQuads(10);
    EXPECT_EQ(batch->capacityQuads(), 20);
    platform.beginFrame();
    before = KInjection::drawCallCount();
    batch->startQuads(image.get());
    for (int i = 0; i < 50; ++i)
        batch->addImageQuad(0, 0, 2, 2, static_cast<float>(i * 4), 10);
    EXPECT_EQ(KInjection::drawCallCount(), before + 2);
    EXPECT_EQ(batch->pendingQuads(), 10);
    batch->flushQuads();
    EXPECT_EQ(KInjection::drawCallCount(), before + 3);
    platform.endFrame();
    EXPECT_EQ(platform.readFrame().countNot(0, 0, 0), 50 * 4);
}

TEST(Batch, QuadsMatchTheSingleImageDraws)
{
    HeadlessPlatform platform;
    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < 12 * 6; ++i)
        rgba.insert(rgba.end(),
                    {static_cast<std::uint8_t>(i * 3), 90, static_cast<std::uint8_t>(255 - i), 255});
    auto image = createGraphic();
    ASSERT_TRUE(image->loadFromPixels(rgba.data(), 12, 6));
    auto batch = createBatch();

    platform.beginFrame();
    image->blendImageRect(0, 0, 12, 6, 10, 10, true, false);
    image->blendImageRectEx(2, 1, 10, 5, 50, 10, 30, 1.5f, 1);
    platform.endFrame();
    const Frame single = platform.readFrame();

    platform.beginFrame();
    batch->startQuads(image.get());
    batch->addImageQuad(0, 0, 12, 6, 10, 10, true, false);
    batch->addImageQuadEx(2, 1, 10, 5, 50, 10, 30, 1.5f, 1);
    batch->flushQuads();
    platform.endFrame();
    EXPECT_TRUE(platform.readFrame().rgba == single.rgba);
}
