#include "GameDriver.h"

#include "world/RealGameData.h"

#include "pilots/ReplayFile.h"
#include "world/World.h"
#include "world/WorldChecksum.h"

#include "content/CXmlNode.h"
#include "platform/KeyTable.h"
#include "world/SavedGameText.h"

#include <algorithm>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

using NVolant::Game;

// A recorded game (pilots/ReplayFile) expanded to every frame's controls. The files are
// regression tests of every rule the world follows; when a rule changes on purpose they are
// recorded again on purpose (SKYVANE_RECORD_REPLAYS=1), never silently.
struct Replay {
    int level = 1;
    int continueAtBridge = -1; // from a saved game at this checkpoint; -1: a new game
    int continueLives = 3;
    std::vector<PlayerControls> frames;
    NVolant::ReplayFile::Outcome expected;
};

std::string replayPath(const std::string& name)
{
    const char* source = std::getenv("SKYVANE_SOURCE_DIR");
    return std::string(source ? source : ".") + "/tests/screens/replays/" + name + ".replay";
}

bool readReplay(const std::string& path, Replay& replay)
{
    std::string error;
    const std::optional<NVolant::ReplayFile> file = NVolant::ReplayFile::load(path, &error);
    if (!file || !file->expected) {
        ADD_FAILURE() << path << ": " << error;
        return false;
    }
    replay.level = file->level;
    replay.continueAtBridge = file->continueAtBridge;
    replay.continueLives = file->continueLives;
    replay.frames = file->frames();
    replay.expected = *file->expected;
    return true;
}

void writeReplay(const std::string& path, const Replay& replay, const std::string& what)
{
    NVolant::ReplayFile file;
    file.level = replay.level;
    file.continueAtBridge = replay.continueAtBridge;
    file.continueLives = replay.continueLives;
    for (const PlayerControls& c : replay.frames)
        file.append(c);
    file.expected = replay.expected;
    file.save(path, what + " Recorded by the replay test with SKYVANE_RECORD_REPLAYS=1; record again only "
                           "when a rule of the game changes on purpose.");
}

// The pilots the replays were recorded with. They look at the world to choose what their hands do;
// the replay keeps the controls those hands gave.
using Pilot = std::function<FrameInput(int, const Game&)>;

// The screen x of the nearest enemy ahead of the plane, or -1.
int enemyAhead(const Game& game)
{
    const NVolant::Level* level = game.field().level();
    const NVolant::Plane* plane = game.field().plane();
    if (!level || !plane)
        return -1;
    const float cameraY = level->enemies().camera().y;
    int best = -1;
    float bestDistance = 1e9f;
    for (const NVolant::Enemy* e : level->enemies().active()) {
        const float y = cameraY + 600.0f - e->position().y;
        if (e->finished() || y < 40.0f || y > plane->position().y - 30.0f)
            continue;
        const float d = std::abs(e->position().x - plane->position().x);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(e->position().x);
        }
    }
    return best;
}

// Mouse: goes for the nearest enemy ahead, cannon held, a missile now and then.
FrameInput mousePilot(int f, const Game& game)
{
    FrameInput in;
    const int target = enemyAhead(game);
    in.x = target >= 0 ? std::clamp(target, 40, 760) : 400 + static_cast<int>(200.0 * std::sin(f / 80.0));
    in.y = 440 + static_cast<int>(60.0 * std::sin(f / 41.0));
    in.left = f > 20 && (f / 45) % 4 != 3;
    in.right = f % 100 < 4;
    return in;
}

// Keys: steers with the arrows and W, A, S, D toward the nearest enemy, fires with Ctrl and space.
FrameInput keyPilot(int f, const Game& game)
{
    FrameInput in;
    const NVolant::Plane* plane = game.field().plane();
    const int target = enemyAhead(game);
    if (plane && target >= 0) {
        if (target > plane->position().x + 8.0f)
            in.keys.push_back((f / 200) % 2 ? VKey::Right : 'D');
        else if (target < plane->position().x - 8.0f)
            in.keys.push_back((f / 200) % 2 ? VKey::Left : 'A');
    }
    if ((f / 150) % 2 == 0)
        in.keys.push_back((f / 300) % 2 ? VKey::Up : 'W');
    else
        in.keys.push_back((f / 300) % 2 ? VKey::Down : 'S');
    if ((f / 30) % 3 != 0)
        in.keys.push_back((f / 500) % 2 ? VKey::RControl : VKey::LControl);
    if (f % 150 < 3)
        in.keys.push_back(VKey::Space);
    std::sort(in.keys.begin(), in.keys.end());
    in.keys.erase(std::unique(in.keys.begin(), in.keys.end()), in.keys.end());
    return in;
}

// The mouse pilot, typing the cheat now and then as held keys.
FrameInput cheatPilot(int f, const Game& game)
{
    FrameInput in = mousePilot(f, game);
    const int at = f % 600;
    if (at == 10)
        in.keys = {'Q'};
    else if (at == 11)
        in.keys = {'Z'};
    else if (at == 12)
        in.keys = {'J'};
    return in;
}

class ReplayTest : public RealGameData {
protected:
    // Plays the replay's frames, or records them from the pilot when there is one.
    NVolant::ReplayFile::Outcome play(Replay& replay, const Pilot& pilot = nullptr, int frames = 0)
    {
        releaseInput();
        NVolant::ReplayFile::Outcome outcome;
        {
            Game game(false, profile);
            game.field().setSeed(0); // the flights were recorded at seed 0
            if (replay.continueAtBridge >= 0) {
                Xml::CXmlNode save;
                save.setName("save");
                save.setInt("m_status", 1);
                save.setInt("m_levelNum", replay.level);
                save.setInt("m_livesCount", replay.continueLives);
                save.setInt("bridgeNum", replay.continueAtBridge);
                profile->setSavedGame(NVolant::encodeSavedGame(save));
                game.loadSaved();
            } else {
                game.newGame();
                game.setLevel(replay.level);
                game.startLevel();
            }
            EXPECT_TRUE(game.hasLevel());
            GameDriver driver(*platform, game);
            if (pilot) {
                for (int f = 0; f < frames; ++f) {
                    replay.frames.push_back(driver.controls(pilot(f, game)));
                    driver.step(replay.frames.back());
                }
            } else {
                for (const PlayerControls& c : replay.frames)
                    driver.step(c);
            }
            outcome.score = game.field().world().arena().scores().score();
            outcome.lives = game.field().lives();
            outcome.status = static_cast<int>(game.fieldStatus());
            outcome.checksum = NVolant::WorldChecksum::of(game.field());
        }
        return outcome;
    }

    void check(const std::string& name, const std::string& what, Replay recipe, const Pilot& pilot,
               int frames)
    {
        const std::string path = replayPath(name);
        const char* record = std::getenv("SKYVANE_RECORD_REPLAYS");
        if (record && std::string(record) == "1") {
            recipe.expected = play(recipe, pilot, frames);
            writeReplay(path, recipe, what);
        }
        Replay replay;
        ASSERT_TRUE(readReplay(path, replay)) << path;
        const NVolant::ReplayFile::Outcome first = play(replay);
        const NVolant::ReplayFile::Outcome second = play(replay);
        EXPECT_EQ(first.checksum, second.checksum) << name << ": two runs in one process differ";
        EXPECT_EQ(first.score, replay.expected.score) << name;
        EXPECT_EQ(first.lives, replay.expected.lives) << name;
        EXPECT_EQ(first.status, replay.expected.status) << name;
        EXPECT_EQ(first.checksum, replay.expected.checksum) << name << ": the world went another way";
    }
};

TEST_F(ReplayTest, MouseFlightWithCannonAndMissilesOnLevelOne)
{
    Replay recipe;
    recipe.level = 1;
    check("level01_mouse", "Level 1 flown with the mouse, cannon and missiles.", recipe, mousePilot, 2400);
}

TEST_F(ReplayTest, KeyboardFlightOnLevelThree)
{
    Replay recipe;
    recipe.level = 3;
    check("level03_keys", "Level 3 flown with arrows, W A S D, Ctrl and space.", recipe, keyPilot, 2400);
}

TEST_F(ReplayTest, AContinuedGameOnLevelSevenWithTheCheat)
{
    Replay recipe;
    recipe.level = 7;
    recipe.continueAtBridge = 1;
    recipe.continueLives = 2;
    check("level07_continued", "Level 7 continued at its first bridge, the cheat typed now and then.", recipe,
          cheatPilot, 2400);
}

} // namespace
