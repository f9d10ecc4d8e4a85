#include "world/RealGameData.h"

#include "content/CXmlNode.h"
#include "enemies/Enemies.h"
#include "pilots/Autopilot.h"
#include "pilots/PilotHand.h"
#include "screens/Game.h"
#include "world/Level.h"
#include "world/SavedGameText.h"
#include "world/WorldChecksum.h"

#include <algorithm>
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
};

class AutopilotTest : public RealGameData {
protected:
    // Flies a level from its start until it ends or the frames run out.
    Flight fly(int level, std::uint32_t seed, int frames)
    {
        releaseInput();
        Flight flight;
        Game game(false, profile);
        game.newGame();
        game.setLevel(level);
        game.startLevel();
        Autopilot pilot(seed);
        NVolant::PilotHand hand;
        int saves = profile->savesWritten();
        for (int f = 0; f < frames; ++f) {
            if (game.fieldStatus() == FieldStatus::LevelComplete || game.fieldStatus() == FieldStatus::GameOver)
                break;
            flight.inputs.push_back(pilot.next(game.field()));
            flight.missilesHeld += flight.inputs.back().missiles ? 1 : 0;
            game.update(16.666666f, hand.controls(flight.inputs.back()));
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
