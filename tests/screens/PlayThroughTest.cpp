#include "GameDriver.h"

#include "world/RealGameData.h"

#include "content/CXmlNode.h"
#include "platform/KeyTable.h"
#include "world/SavedGameText.h"
#include "world/Terrain.h"
#include "world/World.h"

#include <cmath>
#include <limits>

namespace {

using NVolant::FieldStatus;
using NVolant::Game;

// The screen point of the enemy the pilot goes for: the nearest one ahead of the plane that is
// on screen, or none.
bool nearestEnemy(const Game& game, float& sx, float& sy)
{
    const NVolant::Level* level = game.field().level();
    const NVolant::Plane* plane = game.field().plane();
    if (!level || !plane)
        return false;
    const Vector4 camera = level->enemies().camera();
    float best = std::numeric_limits<float>::max();
    for (const NVolant::Enemy* e : level->enemies().active()) {
        if (e->finished())
            continue;
        if (const auto* bridge = dynamic_cast<const NVolant::EBridge*>(e); bridge && bridge->destroyed())
            continue;
        const float x = e->position().x, y = camera.y + 600.0f - e->position().y;
        if (y < 60.0f || y > plane->position().y - 20.0f || x < 30.0f || x > 770.0f)
            continue;
        const float d = std::abs(x - plane->position().x) + std::abs(y - plane->position().y) * 0.3f;
        if (d < best) {
            best = d;
            sx = x;
            sy = y;
        }
    }
    return best < std::numeric_limits<float>::max();
}

class PlayThroughTest : public RealGameData {
protected:
    void save(GameDriver& driver, const std::string& name)
    {
        const Frame frame = driver.draw();
        ASSERT_TRUE(frame.save("game", name));
        frames.push_back(frame);
    }

    // The saved game written at a checkpoint names where the game stands.
    void checkSavedGame(const Game& game)
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
        ++checkpoints;
    }

    std::vector<Frame> frames;
    int checkpoints = 0;
};

TEST_F(PlayThroughTest, LevelOneToItsEndThenGameOverOnLevelTwo)
{
    Game game(false, profile);
    game.newGame();
    game.setLevel(1);
    game.startLevel();
    GameDriver driver(*platform, game);
    ASSERT_EQ(game.fieldStatus(), FieldStatus::Waiting);
    save(driver, "01_level1_waiting");

    // Level 1: shoot whatever comes, keep the lives up with the cheat.
    FrameInput in;
    in.x = 400;
    in.y = 470;
    bool fightSaved = false, checkpointSaved = false, endingSaved = false;
    int saves = profile->savesWritten();
    int frame = 0;
    for (; frame < 20000 && game.fieldStatus() != FieldStatus::LevelComplete; ++frame) {
        float ex = 0, ey = 0;
        if (frame < 3)
            in.x += 3;
        else if (nearestEnemy(game, ex, ey))
            in.x = static_cast<int>(ex);
        else
            in.x = 400 + static_cast<int>(150.0 * std::sin(frame / 120.0));
        in.left = frame > 3;
        in.right = frame % 45 < 3;
        driver.step(in);
        if (game.field().lives() < 3) {
            driver.type('Q');
            driver.type('Z');
            driver.type('J');
        }
        if (profile->savesWritten() != saves && game.fieldStatus() == FieldStatus::Playing) {
            checkSavedGame(game);
            if (!checkpointSaved) {
                save(driver, "03_level1_checkpoint");
                checkpointSaved = true;
            }
        }
        saves = profile->savesWritten();
        if (!fightSaved && frame > 400 && game.field().world().arena().effects().animationCount() >= 2 &&
            !game.field().world().arena().scores().floatingTexts().empty()) {
            save(driver, "02_level1_fight");
            fightSaved = true;
        }
        if (!endingSaved && game.fieldStatus() == FieldStatus::LevelEnding &&
            game.field().plane()->exitPosition().y - game.field().plane()->position().y < -150.0f) {
            save(driver, "04_level1_leaving");
            endingSaved = true;
        }
    }
    ASSERT_EQ(game.fieldStatus(), FieldStatus::LevelComplete) << "after " << frame << " frames";
    EXPECT_TRUE(fightSaved);
    EXPECT_TRUE(endingSaved);
    EXPECT_GE(checkpoints, 1);
    EXPECT_GT(game.field().world().arena().scores().score(), 0);
    EXPECT_EQ(profile->levelMax(), 2);

    // Level 2: fly into everything until the last life is gone.
    game.nextLevel();
    game.startLevel();
    ASSERT_EQ(game.field().levelNumber(), 2);
    in = FrameInput();
    in.keys = {VKey::Space};
    driver.step(in);
    in.keys.clear();
    save(driver, "05_level2_start");
    for (frame = 0; frame < 40000 && game.fieldStatus() == FieldStatus::Playing; ++frame) {
        float ex = 0, ey = 0;
        if (nearestEnemy(game, ex, ey)) {
            in.x = static_cast<int>(ex);
            in.y = static_cast<int>(ey);
        } else {
            in.x = 400;
            in.y = 300;
        }
        driver.step(in);
    }
    ASSERT_EQ(game.fieldStatus(), FieldStatus::GameOverShowing) << "after " << frame << " frames";
    EXPECT_EQ(game.field().lives(), 0);
    for (int i = 0; i < 60; ++i)
        driver.step(in);
    save(driver, "06_game_over");
    for (int i = 0; i < 400 && game.fieldStatus() == FieldStatus::GameOverShowing; ++i)
        driver.step(in);
    EXPECT_EQ(game.fieldStatus(), FieldStatus::GameOver);
    EXPECT_TRUE(profile->savedGame().empty());

    // Every frame shows a whole picture: terrain under the frame, nothing left black.
    for (const Frame& f : frames)
        EXPECT_GT(f.countNot(0, 0, 0, 4), 800 * 600 * 9 / 10);
}

} // namespace
