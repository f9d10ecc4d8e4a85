#include "GameDriver.h"

#include "world/RealGameData.h"

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

// A recorded game: where it starts, the input of every frame (a line whenever it changes), and
// what the world must look like at the end. The files are regression tests of every rule the
// world follows; when a rule changes on purpose they are recorded again on purpose
// (SKYVANE_RECORD_REPLAYS=1), never silently.
struct Replay {
    int level = 1;
    int continueAtBridge = -1; // from a saved game at this checkpoint; -1: a new game
    int continueLives = 3;
    std::vector<FrameInput> frames;

    struct Outcome {
        int score = 0;
        int lives = 0;
        int status = 0;
        std::uint32_t checksum = 0;
        bool operator==(const Outcome&) const = default;
    } expected;
};

std::string replayPath(const std::string& name)
{
    const char* source = std::getenv("SKYVANE_SOURCE_DIR");
    return std::string(source ? source : ".") + "/tests/screens/replays/" + name + ".replay";
}

std::string keysText(const std::vector<int>& keys)
{
    if (keys.empty())
        return "-";
    std::string text;
    for (const int key : keys)
        text += (text.empty() ? "" : ",") + std::to_string(key);
    return text;
}

bool readReplay(const std::string& path, Replay& replay)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    int frames = 0;
    std::vector<std::pair<int, FrameInput>> changes;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "level") {
            words >> replay.level;
        } else if (word == "continue") {
            words >> replay.continueAtBridge >> replay.continueLives;
        } else if (word == "frames") {
            words >> frames;
        } else if (word == "expect") {
            std::string hex;
            words >> replay.expected.score >> replay.expected.lives >> replay.expected.status >> hex;
            replay.expected.checksum = static_cast<std::uint32_t>(std::stoul(hex, nullptr, 16));
        } else if (!word.empty() && word[0] != '#') {
            FrameInput input;
            int left = 0, right = 0;
            std::string keys;
            words >> input.x >> input.y >> left >> right >> keys;
            input.left = left != 0;
            input.right = right != 0;
            if (keys != "-") {
                std::istringstream list(keys);
                std::string key;
                while (std::getline(list, key, ','))
                    input.keys.push_back(std::stoi(key));
            }
            changes.emplace_back(std::stoi(word), input);
        }
    }
    FrameInput current;
    std::size_t next = 0;
    for (int f = 0; f < frames; ++f) {
        while (next < changes.size() && changes[next].first <= f)
            current = changes[next++].second;
        replay.frames.push_back(current);
    }
    return frames > 0;
}

void writeReplay(const std::string& path, const Replay& replay, const std::string& what)
{
    std::ofstream out(path);
    out << "# " << what << "\n";
    out << "# Input of every frame: from-frame x y left right keys. Recorded by the replay test with\n"
        << "# SKYVANE_RECORD_REPLAYS=1; record again only when a rule of the game changes on purpose.\n";
    out << "level " << replay.level << "\n";
    if (replay.continueAtBridge >= 0)
        out << "continue " << replay.continueAtBridge << " " << replay.continueLives << "\n";
    out << "frames " << replay.frames.size() << "\n";
    FrameInput last;
    for (std::size_t f = 0; f < replay.frames.size(); ++f) {
        const FrameInput& in = replay.frames[f];
        if (f == 0 || !(in == last))
            out << f << " " << in.x << " " << in.y << " " << in.left << " " << in.right << " "
                << keysText(in.keys) << "\n";
        last = in;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08x", replay.expected.checksum);
    out << "expect " << replay.expected.score << " " << replay.expected.lives << " " << replay.expected.status
        << " " << hex << "\n";
}

// The pilots the replays were recorded with. They look at the world to choose their input; the
// replay keeps only the input.
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
    Replay::Outcome play(Replay& replay, const Pilot& pilot = nullptr, int frames = 0)
    {
        resetGame();
        Replay::Outcome outcome;
        {
            Game game(false, profile);
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
                    replay.frames.push_back(pilot(f, game));
                    driver.step(replay.frames.back());
                }
            } else {
                for (const FrameInput& in : replay.frames)
                    driver.step(in);
            }
            outcome.score = NVolant::Scores::instance()->score();
            outcome.lives = game.field().lives();
            outcome.status = static_cast<int>(game.fieldStatus());
            outcome.checksum = WorldChecksum::of(game);
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
        const Replay::Outcome first = play(replay);
        const Replay::Outcome second = play(replay);
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
