#include "content/BrokenInstallation.h"
#include "content/Sprite.h"
#include "platform/KGraphic.h"

#include "support/WorldFixture.h"

#include <limits>
#include <tuple>
#include <utility>

namespace {

// A sprite runs at a frame time of ms when a step just short of it keeps frame 0 and the rest
// moves it on to frame 1. It is left on frame 0 from its start.
void expectFrameTime(NLib::Sprite& sprite, float ms, const std::string& label = "")
{
    sprite.setFrame(0);
    sprite.update(ms * 0.99f);
    EXPECT_EQ(sprite.getFrame(), 0) << label;
    sprite.update(ms * 0.02f);
    EXPECT_EQ(sprite.getFrame(), 1) << label;
    sprite.setFrame(0);
}

class SpriteTest : public WorldFixture {
protected:
    // A 256 x 128 sheet of 4 x 2 cells, cell (c, r) coloured (40 + 50c, 60 + 100r, 7).
    void writeSheet(const std::string& fps = "")
    {
        std::vector<std::uint8_t> rgba(256 * 128 * 4);
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 256; ++x) {
                std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * 256 + x) * 4];
                p[0] = static_cast<std::uint8_t>(40 + 50 * (x / 64));
                p[1] = static_cast<std::uint8_t>(60 + 100 * (y / 64));
                p[2] = 7;
                p[3] = 255;
            }
        writePng("dat/sheet/sheet.png", 256, 128, rgba);
        data.write("dat/sheet/sprite.xml", "<spriteSolid frames=\"4\" groups=\"2\"" + fps +
                                               "><texture>dat/sheet/sheet.png</texture></spriteSolid>");
    }
};

TEST_F(SpriteTest, StripSheetsAreCutIntoAGridAndDrawTheCurrentCell)
{
    writeSheet();
    NLib::Sprite sprite(*archive, "dat/sheet/sprite.xml");
    EXPECT_EQ(sprite.kind(), NLib::Sprite::Strip);
    EXPECT_FLOAT_EQ(sprite.frameWidth, 64.0f);
    EXPECT_FLOAT_EQ(sprite.frameHeight, 64.0f);
    expectFrameTime(sprite, 1000.0f / 60.0f);

    sprite.setGroup(1);
    sprite.setFrame(3);
    platform->beginFrame();
    sprite.draw(Vector4(400, 300));
    const Frame frame = platform->readFrame();
    // Frame 3 of group 1 is the cell (192, 64)-(256, 128), centred on (400, 300).
    const Frame::Pixel inside = frame.at(400, 300);
    EXPECT_EQ(inside.r, 190);
    EXPECT_EQ(inside.g, 160);
    EXPECT_EQ(frame.at(369, 269).r, 190);
    EXPECT_EQ(frame.at(366, 300).r, 0);
    EXPECT_EQ(frame.at(433, 300).r, 0);
    EXPECT_EQ(frame.countNot(0, 0, 0), 64 * 64);
}

TEST_F(SpriteTest, AnimationLoopsAndIndicesOutOfRangeFallBackToZero)
{
    writeSheet(" fps=\"10\"");
    NLib::Sprite sprite(*archive, "dat/sheet/sprite.xml");
    sprite.update(250.0f);
    EXPECT_EQ(sprite.getFrame(), 2);
    sprite.setFrame(0);
    // 450 ms computes frame 4 of 4: it wraps to frame 0 with the 50 ms left over.
    sprite.update(450.0f);
    EXPECT_EQ(sprite.getFrame(), 0);
    sprite.update(49.0f);
    EXPECT_EQ(sprite.getFrame(), 0);
    sprite.update(1.0f);
    EXPECT_EQ(sprite.getFrame(), 1);

    // A frame set by hand is shown from its start; one out of range is frame 0 from its start.
    for (const auto& [set, shown] : {std::pair{2, 2}, std::pair{4, 0}}) {
        sprite.setFrame(set);
        sprite.update(99.0f);
        EXPECT_EQ(sprite.getFrame(), shown);
        sprite.update(1.0f);
        EXPECT_EQ(sprite.getFrame(), shown + 1);
    }
    sprite.setGroup(1);
    EXPECT_EQ(sprite.currentGroup, 1);
    sprite.setGroup(2);
    EXPECT_EQ(sprite.currentGroup, 0);

    sprite.setFps(0.0f);
    expectFrameTime(sprite, 1000000.0f);
}

TEST_F(SpriteTest, AbsurdRatesGiveASaneFrameDurationAndTheAnimationKeepsRunning)
{
    // Each rate as a description may carry it: the duration stays finite and at least a
    // millisecond, and long updates never push the frame out of range.
    const std::pair<const char*, float> cases[] = {{"10", 100.0f},          {"inf", 1.0f},
                                                   {"1e30", 1.0f},          {"nan", 1000.0f / 60.0f},
                                                   {"-5", 1000.0f / 60.0f}, {"-inf", 1000.0f / 60.0f}};
    for (const auto& [fps, duration] : cases) {
        writeSheet(std::string(" fps=\"") + fps + "\"");
        NLib::Sprite sprite(*archive, "dat/sheet/sprite.xml");
        expectFrameTime(sprite, duration, fps);
        for (float dt : {16.6f, 1e9f, 3e38f, 16.6f}) {
            sprite.update(dt);
            EXPECT_GE(sprite.getFrame(), 0) << fps;
            EXPECT_LT(sprite.getFrame(), 4) << fps;
        }
    }
    NLib::Sprite sprite(*archive, "dat/sheet/sprite.xml");
    sprite.setFps(std::numeric_limits<float>::quiet_NaN());
    expectFrameTime(sprite, 1000.0f / 60.0f);
}

TEST_F(SpriteTest, FramedSpritesCopiesScaledDrawingAndUnknownRoots)
{
    writePng("dat/f/a.png", 10, 20, solid(10, 20, 255, 0, 0));
    writePng("dat/f/b.png", 10, 20, solid(10, 20, 0, 255, 0));
    writePng("dat/f/c.png", 8, 8, solid(8, 8, 0, 0, 255));
    data.write("dat/f/sprite.xml", "<spriteFramed fps=\"0\"><g><f>dat/f/a.png</f><f>dat/f/b.png</f></g>"
                                   "<g><f>dat/f/c.png</f></g></spriteFramed>");
    data.write("dat/f/other.xml", "<sprite/>");

    auto master = std::make_unique<NLib::Sprite>(*archive, "dat/f/sprite.xml");
    EXPECT_EQ(master->groupCount, 2);
    EXPECT_EQ(master->frameCount, 2);
    EXPECT_FLOAT_EQ(master->frameWidth, 10.0f);
    expectFrameTime(*master, 1000.0f / 60.0f, "fps 0 keeps 60");
    master->setGroup(1);
    EXPECT_EQ(master->frameCount, 1);
    master->setGroup(0);

    {
        NLib::Sprite copy(*master);
        copy.setFrame(1);
        copy.setColor(1, 1, 1, 0.5f);
        EXPECT_EQ(master->getFrame(), 0);
        EXPECT_NE(copy.currentImage(), master->currentImage());
        copy.setFrame(0);
        EXPECT_EQ(copy.currentImage(), master->currentImage()); // shared, not loaded again
    }
    // The copy is gone; the master's images still draw, also doubled about their centre.
    platform->beginFrame();
    master->draw(Vector4(100, 100));
    master->drawTransformed(Vector4(200, 200), 2.0f, 0.0f);
    const Frame frame = platform->readFrame();
    EXPECT_EQ(frame.at(100, 100).r, 255);
    for (const auto& [x, y, red] : {std::tuple{191, 181, 255}, {208, 218, 255}, {188, 200, 0}, {211, 200, 0}})
        EXPECT_EQ(frame.at(x, y).r, red) << x << "," << y;

    NLib::Sprite empty(*archive, "dat/f/other.xml");
    EXPECT_EQ(empty.kind(), NLib::Sprite::Empty);
    empty.update(100.0f);
    empty.draw(Vector4(1, 1));

    EXPECT_THROW(NLib::Sprite(*archive, "dat/f/missing.xml"), NLib::BrokenInstallation);

    // A missing picture only leaves that picture out.
    data.write("dat/f/gap.xml", "<spriteFramed><g><f>dat/f/nothing.png</f></g></spriteFramed>");
    NLib::Sprite gap(*archive, "dat/f/gap.xml");
    EXPECT_EQ(gap.kind(), NLib::Sprite::Framed);
    platform->beginFrame();
    gap.draw(Vector4(100, 100));
    EXPECT_EQ(platform->readFrame().countNot(0, 0, 0), 0);
}

} // namespace
