#include "world/RealGameData.h"

#include "content/CXmlNode.h"
#include "enemies/Enemies.h"
#include "pilots/Autopilot.h"
#include "pilots/Attention.h"
#include "pilots/PilotHand.h"
#include "pilots/PilotSkill.h"
#include "screens/Game.h"
#include "world/Level.h"
#include "world/SavedGameText.h"
#include "world/WorldChecksum.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using NVolant::Autopilot;
using NVolant::FieldStatus;
using NVolant::Game;
using NVolant::PlayerControls;

struct Flight {
    std::vector<PlayerControls> inputs;
    std::uint32_t checksum = 0;
    FieldStatus status = FieldStatus::Idle;
    int lives = 0;
    int score = 0;
    int missilesHeld = 0;
    int checkpoints = 0;
    int livesLost = 0;
};

class AutopilotTest : public RealGameData {
protected:
    // Flies a level from its start until it ends or the frames run out.
    Flight fly(int level, std::uint32_t seed, int frames, const NVolant::PilotSkill& skill = NVolant::PilotSkill::ace())
    {
        releaseInput();
        Flight flight;
        Game game(false, profile);
        game.newGame();
        game.setLevel(level);
        game.startLevel();
        Autopilot pilot(seed, skill);
        NVolant::PilotHand hand;
        int saves = profile->savesWritten();
        for (int f = 0; f < frames; ++f) {
            if (game.fieldStatus() == FieldStatus::LevelComplete || game.fieldStatus() == FieldStatus::GameOver)
                break;
            flight.inputs.push_back(pilot.next(game.field()));
            flight.missilesHeld += flight.inputs.back().missiles ? 1 : 0;
            const int livesBefore = game.field().lives();
            game.update(16.666666f, hand.controls(flight.inputs.back()));
            flight.livesLost += std::max(0, livesBefore - game.field().lives());
            if (profile->savesWritten() != saves && game.fieldStatus() == FieldStatus::Playing)
                checkSavedGame(game, flight);
            saves = profile->savesWritten();
        }
        flight.checksum = NVolant::WorldChecksum::of(game.field());
        flight.status = game.fieldStatus();
        flight.lives = game.field().lives();
        flight.score = game.field().world().arena().scores().score();
        return flight;
    }

    // The saved game written at a checkpoint in flight names where the game stands.
    void checkSavedGame(Game& game, Flight& flight)
    {
        Xml::CXmlNode record;
        ASSERT_TRUE(NVolant::decodeSavedGame(profile->savedGame(), record));
        const NVolant::Enemies& enemies = game.field().level()->enemies();
        const int passed = enemies.bridgesPassed();
        const bool last = passed == static_cast<int>(enemies.bridges().size());
        EXPECT_EQ(record.getInt("m_levelNum", 0), game.field().levelNumber() + (last ? 1 : 0));
        EXPECT_EQ(record.getInt("bridgeNum", -1), last ? 0 : passed);
        EXPECT_EQ(record.getInt("m_livesCount", 0), game.field().lives());
        const Xml::CXmlNode* scores = record.findChild("scores");
        ASSERT_NE(scores, nullptr);
        EXPECT_EQ(scores->getInt("m_score", -1), game.field().world().arena().scores().score());
        ++flight.checkpoints;
    }
};

TEST_F(AutopilotTest, FinishesTheFirstLevelsFightingAndWithLivesToSpare)
{
    // A level is about two minutes of play; the pilot must get through, not merely survive.
    for (const int level : {1, 3}) {
        SCOPED_TRACE(level);
        const Flight flight = fly(level, 0, 20000);
        EXPECT_EQ(flight.status, FieldStatus::LevelComplete);
        EXPECT_EQ(profile->levelMax(), level + 1);
        EXPECT_GE(flight.checkpoints, 1);
        EXPECT_GE(flight.lives, 2);
        EXPECT_GT(flight.score, 0);
        EXPECT_GT(flight.missilesHeld, 0);
        // It starts the level with moves of the steering point, as a player does, and stays on
        // the screen.
        ASSERT_GE(flight.inputs.size(), 3u);
        EXPECT_NE(flight.inputs[0].steer->x, flight.inputs[1].steer->x);
        for (const PlayerControls& in : flight.inputs) {
            ASSERT_TRUE(in.steer.has_value());
            EXPECT_TRUE(in.steer->x >= 0 && in.steer->x < 800 && in.steer->y >= 0 && in.steer->y < 600);
            EXPECT_TRUE(in.typed.empty());
        }
        // The same level and seed are flown the same way.
        const Flight again = fly(level, 0, 2500);
        ASSERT_EQ(again.inputs.size(), 2500u);
        EXPECT_TRUE(std::equal(again.inputs.begin(), again.inputs.end(), flight.inputs.begin()));
    }
}

} // namespace

namespace {

TEST(Attention, SomethingCountsOnlyAfterItHasBeenInSightForTheReactionTime)
{
    NVolant::Attention attention(3);
    std::vector<bool> seen;
    for (int frame = 0; frame < 5; ++frame) {
        seen.push_back(attention.noticed(7));
        attention.nextFrame();
    }
    EXPECT_EQ(seen, (std::vector<bool>{false, false, false, true, true}));
    // Out of sight for one frame: forgotten, and noticed afresh only after the whole delay.
    attention.nextFrame();
    EXPECT_FALSE(attention.noticed(7));
    attention.nextFrame();
    EXPECT_FALSE(attention.noticed(7));
    // Asked twice in one frame, a thing is still one thing.
    EXPECT_FALSE(attention.noticed(7));
}

TEST_F(AutopilotTest, PeopleMoveTheMouseAtAHandsPaceAndFlyAHardLevelWorseThanTheAce)
{
    const NVolant::PilotSkill& novice = NVolant::PilotSkill::novice();
    const Flight flight = fly(3, 5, 3000, novice);
    int fastest = 0;
    for (std::size_t i = 10; i < flight.inputs.size(); ++i) {
        const auto& a = *flight.inputs[i - 1].steer;
        const auto& b = *flight.inputs[i].steer;
        fastest = std::max(fastest, static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y))));
    }
    EXPECT_LE(fastest, static_cast<int>(novice.handPxPerFrame) + 2);
    EXPECT_GT(fastest, static_cast<int>(novice.handPxPerFrame) / 2);
    // People are as repeatable as the ace for a seed.
    const Flight again = fly(3, 5, 3000, novice);
    EXPECT_TRUE(std::equal(again.inputs.begin(), again.inputs.end(), flight.inputs.begin()));

    // Late in the game the skills tell: each pilot does worse than the one above it.
    std::vector<int> harm;
    for (const NVolant::PilotSkill* skill :
         {&NVolant::PilotSkill::ace(), &NVolant::PilotSkill::expert(), &NVolant::PilotSkill::novice()}) {
        const Flight f = fly(30, 1, 9000, *skill);
        harm.push_back(f.livesLost * 100000 - f.score);
    }
    EXPECT_LT(harm[0], harm[1]);
    EXPECT_LT(harm[1], harm[2]);
}

} // namespace
