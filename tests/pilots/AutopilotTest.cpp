#include "screens/GameDriver.h"

#include "world/RealGameData.h"

#include "pilots/Autopilot.h"
#include "pilots/PilotHand.h"
#include "world/WorldChecksum.h"
#include "world/World.h"

#include <vector>

namespace {

using NVolant::Autopilot;
using NVolant::Game;

struct Flight {
    std::vector<PlayerControls> inputs;
    std::uint32_t checksum = 0;
    NVolant::FieldStatus status = NVolant::FieldStatus::Idle;
    int lives = 0;
    int score = 0;
    int missilesHeld = 0;
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
        GameDriver driver(*platform, game);
        Autopilot pilot(seed);
        NVolant::PilotHand hand;
        for (int f = 0; f < frames; ++f) {
            const NVolant::FieldStatus s = game.fieldStatus();
            if (s == NVolant::FieldStatus::LevelComplete || s == NVolant::FieldStatus::GameOver)
                break;
            flight.inputs.push_back(pilot.next(game.field()));
            flight.missilesHeld += flight.inputs.back().missiles ? 1 : 0;
            driver.step(hand.controls(flight.inputs.back()));
        }
        flight.checksum = NVolant::WorldChecksum::of(game.field());
        flight.status = game.fieldStatus();
        flight.lives = game.field().lives();
        flight.score = game.field().world().arena().scores().score();
        return flight;
    }
};

TEST_F(AutopilotTest, TheSameLevelAndSeedAreFlownTheSameWay)
{
    const Flight first = fly(6, 11, 2500);
    const Flight second = fly(6, 11, 2500);
    ASSERT_EQ(first.inputs.size(), second.inputs.size());
    EXPECT_TRUE(first.inputs == second.inputs);
    EXPECT_EQ(first.checksum, second.checksum);
    EXPECT_GT(first.score, 0);
}

TEST_F(AutopilotTest, FinishesTheFirstLevelsFightingAndWithLivesToSpare)
{
    // A level is about two minutes of play; the pilot must get through, not merely survive.
    for (const int level : {1, 3}) {
        const Flight flight = fly(level, 0, 20000);
        EXPECT_EQ(flight.status, NVolant::FieldStatus::LevelComplete) << "level " << level;
        EXPECT_GE(flight.lives, 2) << "level " << level;
        EXPECT_GT(flight.score, 0) << "level " << level;
        EXPECT_GT(flight.missilesHeld, 0) << "level " << level;
        // It starts the level with moves of the steering point, as a player does, and stays on
        // the screen.
        ASSERT_GE(flight.inputs.size(), 3u);
        EXPECT_NE(flight.inputs[0].steer->x, flight.inputs[1].steer->x);
        for (const PlayerControls& in : flight.inputs) {
            ASSERT_TRUE(in.steer.has_value());
            EXPECT_TRUE(in.steer->x >= 0 && in.steer->x < 800 && in.steer->y >= 0 && in.steer->y < 600);
            EXPECT_TRUE(in.typed.empty());
        }
    }
}

} // namespace
