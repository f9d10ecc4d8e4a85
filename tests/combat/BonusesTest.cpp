#include "combat/Bonus.h"
#include "content/LevelFiles.h"
#include "combat/Bonuses.h"
#include "content/Sprite.h"
#include "platform/Log.h"

#include "ShotTestWorld.h"

#include <cmath>
#include <limits>
#include <tuple>

namespace {

using NVolant::Bonus;
using NVolant::Bonuses;

// "bonuses.dat" bytes holding these records.
std::vector<std::uint8_t> bonusFile(const std::vector<NVolant::BonusRecord>& records)
{
    return NVolant::LevelFiles::encodeBonuses(records);
}

std::vector<int> kindsOf(const Bonuses& bonuses)
{
    std::vector<int> kinds;
    for (const auto& b : bonuses.bonuses())
        kinds.push_back(b->kind());
    return kinds;
}

class BonusesTest : public ShotTestWorld {
protected:
    Bonuses& bonuses = arena.bonuses();
};

TEST_F(BonusesTest, LoadingSkipsUnknownKindsAndPlacesOffTheMapAndKeepsHeightOrderAndMayFindNone)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const auto bytes = bonusFile({{9, {100, 900}},
                                  {0, {100, 500}},
                                  {11, {100, 500}},
                                  {4, {200, 300}},
                                  {-3, {100, 500}},
                                  {2, {-5, 500}},
                                  {2, {805, 500}},
                                  {2, {400, -1}},
                                  {2, {nan, 500}},
                                  {2, {400, std::numeric_limits<float>::infinity()}},
                                  {7, {300, 900}},
                                  {1, {500, 5000}},
                                  {10, {0, 0}},
                                  {6, {800, 300}}});
    setLogEcho(false); // the skipped records are logged
    bonuses.loadBytes(bytes, "levels/99/bonuses.dat", 4000.0f);
    // Sorted by height; equal heights keep the file's order.
    EXPECT_EQ(kindsOf(bonuses), (std::vector<int>{10, 4, 6, 9, 7}));
    EXPECT_EQ(bonuses.bonuses()[1]->position(), Vector4(200, 300, 0, 1));

    // Without a known length only the lower bound of the map counts; loading replaces the list.
    bonuses.loadBytes(bytes, "levels/99/bonuses.dat");
    EXPECT_EQ(kindsOf(bonuses), (std::vector<int>{10, 4, 6, 9, 7, 1}));
    // A missing or empty file gives a level without bonuses.
    bonuses.load("levels/99/bonuses.dat");
    EXPECT_EQ(bonuses.size(), 0u);
    bonuses.loadBytes(bytes, "x");
    bonuses.loadBytes(bonusFile({}), "x");
    EXPECT_EQ(bonuses.size(), 0u);
    setLogEcho(true);
}

TEST_F(BonusesTest, PickUpsReachFromBelowTheScreenToWellAboveIt)
{
    bonuses.setCamera(Vector4(0, 1000, 0, 1));
    bonuses.loadBytes(bonusFile({{8, {100, 699.9f}}, {8, {200, 700}}, {8, {300, 1800}}, {8, {400, 1800.1f}}}),
                      "x");

    // From exactly camera - 300 up to exactly camera + 800.
    RecordingReceiver plane;
    for (const auto& [x, y, taken] :
         {std::tuple{100.0f, 699.9f, false}, std::tuple{200.0f, 700.0f, true},
          std::tuple{300.0f, 1800.0f, true}, std::tuple{400.0f, 1800.1f, false}}) {
        plane.where = Vector4(x, y);
        EXPECT_EQ(bonuses.checkPickup(plane), taken) << y;
    }
    EXPECT_EQ(plane.effects.size(), 2u);
    EXPECT_EQ(chimes(), 2);
}

TEST_F(BonusesTest, OfTwoTouchedBonusesOnlyTheEarlierIsTakenInAFrame)
{
    bonuses.loadBytes(bonusFile({{10, {410, 300}}, {2, {400, 300}}, {5, {405, 295}}}), "x");
    RecordingReceiver plane(Vector4(405, 300));
    EXPECT_TRUE(bonuses.checkPickup(plane));
    EXPECT_EQ(plane.effects, (std::vector<std::string>{"addStealth"}));
    EXPECT_TRUE(bonuses.checkPickup(plane));
    EXPECT_TRUE(bonuses.checkPickup(plane));
    EXPECT_EQ(plane.effects, (std::vector<std::string>{"addStealth", "addHull", "addDamage"}));
    // All three are fading now; none can be taken again.
    EXPECT_FALSE(bonuses.checkPickup(plane));
    EXPECT_EQ(chimes(), 3);
}

TEST_F(BonusesTest, EveryKindDoesItsOwnThingOnceAndChimes)
{
    const char* expected[] = {
        "launchAtAllTargets", "addDamage",     "enableDoubleFire", "enableDoubleMissile", "addStealth",
        "enableFourMissiles", "enableAutoAim", "repair",           "repairAll",           "addHull"};
    EXPECT_EQ(Bonuses::createBonus(0), nullptr);
    EXPECT_EQ(Bonuses::createBonus(11), nullptr);
    for (int kind = 1; kind <= 10; ++kind) {
        auto bonus = Bonuses::createBonus(kind);
        ASSERT_NE(bonus, nullptr);
        EXPECT_EQ(bonus->kind(), kind);
        EXPECT_GT(bonus->sprite().frameCount, 0);
        bonus->setPosition(400, 300, 0);
        // The touch circle reaches a little beyond the picture.
        RecordingReceiver plane(Vector4(400 + 32, 300));
        EXPECT_TRUE(bonus->tryPickup(plane, arena.sounds())) << kind;
        EXPECT_FALSE(bonus->tryPickup(plane, arena.sounds())) << kind;
        EXPECT_EQ(plane.effects, std::vector<std::string>{expected[kind - 1]});
        RecordingReceiver far(Vector4(400 + 33, 300));
        auto other = Bonuses::createBonus(kind);
        other->setPosition(400, 300, 0);
        EXPECT_FALSE(other->tryPickup(far, arena.sounds())) << kind;
    }
    EXPECT_EQ(chimes(), 10);
}

TEST_F(BonusesTest, BonusesAreDrawnWhereTheCameraShowsThem)
{
    bonuses.loadBytes(bonusFile({{9, {200, 1300}}, {1, {600, 1300}}}), "x");
    bonuses.setCamera(Vector4(0, 1000, 0, 1)); // both at screen y 300
    platform->beginFrame(0.5f, 0.5f, 0.5f);
    bonuses.draw();
    Frame frame = platform->readFrame();
    platform->endFrame();
    frame.save("combat", "bonuses");
    const auto grey = [](const Frame::Pixel& p) {
        return std::abs(p.r - 128) < 3 && std::abs(p.g - 128) < 3;
    };
    EXPECT_FALSE(grey(frame.at(200, 300)));
    EXPECT_FALSE(grey(frame.at(600, 300)));
    EXPECT_TRUE(grey(frame.at(400, 300)));
    EXPECT_TRUE(grey(frame.at(200, 100)));

    // Far below or above the screen nothing is drawn.
    for (float cameraY : {2000.0f, 600.0f}) {
        bonuses.setCamera(Vector4(0, cameraY, 0, 1));
        platform->beginFrame(0.5f, 0.5f, 0.5f);
        bonuses.draw();
        const Frame empty = platform->readFrame();
        platform->endFrame();
        EXPECT_EQ(empty.countNot(128, 128, 128, 2), 0) << cameraY;
    }
}

} // namespace
