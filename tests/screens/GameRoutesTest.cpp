#include "app/GameApp.h"
#include "app/LevelDoneScreen.h"
#include "app/StartScreen.h"
#include "screens/Game.h"

#include "content/CXmlNode.h"
#include "gameplay/Images.h"
#include "platform/KClock.h"
#include "platform/KInput.h"
#include "platform/KeyTable.h"
#include "player/Plane.h"
#include "world/Level.h"
#include "world/MemoryProfile.h"
#include "world/SavedGameText.h"
#include "world/Terrain.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using NVolant::FieldStatus;
using NVolant::Game;

constexpr float kStep = 16.666666f;

// The real application with the game's own screens: the routes from the start screen into a game,
// out to the menu and back, from one level to the next, and a saved game picked up at start-up.
class GameRoutesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", m_home.path().c_str(), 1);
        setManualClock(true);
        auto memory = std::make_unique<NVolant::MemoryProfile>();
        profile = memory.get();
        NVolant::ProfileLink::install(std::move(memory));
    }
    void TearDown() override
    {
        app.reset();
        NVolant::Images::destroy();
        NVolant::ProfileLink::install(nullptr);
        setManualClock(false);
        unsetenv("XDG_DATA_HOME");
    }

    Game* game() const { return static_cast<Game*>(app->game()); }
    void click(float x, float y)
    {
        app->onLeftButtonDown(x, y);
        app->onLeftButtonUp(x, y);
    }
    void clickChoice(float choiceY) { click(400.0f, choiceY + NVolant::StartScreen::kChoiceHeight / 2.0f); }

    TempDir m_home;
    NVolant::MemoryProfile* profile = nullptr;
    std::unique_ptr<NVolant::GameApp> app;
};

TEST_F(GameRoutesTest, FromTheStartScreenThroughALevelAndBackAfterARestart)
{
    app = std::make_unique<NVolant::GameApp>();
    ASSERT_TRUE(app->started());
    auto* start = static_cast<NVolant::StartScreen*>(app->mainMenu());
    ASSERT_EQ(app->current(), start);
    EXPECT_FALSE(start->continueEnabled());

    clickChoice(NVolant::StartScreen::kNewGameY);
    ASSERT_NE(game(), nullptr);
    EXPECT_EQ(app->pending(), game());
    app->update(kStep);
    ASSERT_EQ(app->current(), game());
    EXPECT_EQ(game()->fieldStatus(), FieldStatus::Waiting);
    EXPECT_EQ(game()->field().levelNumber(), 1);
    EXPECT_FALSE(isCursorVisible());
    EXPECT_FALSE(profile->savedGame().empty());

    // Escape: to the menu, where the game can be continued, paused.
    app->onKeyDown('D');
    app->update(kStep);
    EXPECT_EQ(game()->fieldStatus(), FieldStatus::Playing);
    app->onKeyDown(VKey::Escape);
    EXPECT_EQ(app->current(), start);
    EXPECT_TRUE(start->continueEnabled());
    EXPECT_TRUE(game()->getCommand().empty());
    clickChoice(NVolant::StartScreen::kContinueY);
    app->update(kStep);
    ASSERT_EQ(app->current(), game());
    EXPECT_EQ(game()->fieldStatus(), FieldStatus::Waiting);

    // Flown to the end of the valley: the level's result, then on to level 2.
    app->onKeyDown('D');
    const NVolant::Terrain& t = game()->field().level()->terrain();
    game()->field().plane()->setStart(
        Vector4(400.0f, static_cast<float>(t.rows() * t.cellSize()) - 600.0f, 0.0f, 1.0f));
    for (int i = 0; i < 2000 && app->current() == game(); ++i)
        app->update(kStep);
    auto* done = dynamic_cast<NVolant::LevelDoneScreen*>(app->current());
    ASSERT_NE(done, nullptr);
    EXPECT_FALSE(done->isFinal());
    EXPECT_EQ(game()->fieldStatus(), FieldStatus::LevelComplete);
    click(400, 300);
    ASSERT_EQ(app->current(), game());
    EXPECT_EQ(app->endLevel(), nullptr);
    EXPECT_EQ(game()->field().levelNumber(), 2);
    EXPECT_EQ(game()->fieldStatus(), FieldStatus::Waiting);
    EXPECT_EQ(profile->levelMax(), 2);

    // The program ends; the next start offers level 2 to continue.
    app.reset();
    app = std::make_unique<NVolant::GameApp>();
    start = static_cast<NVolant::StartScreen*>(app->mainMenu());
    ASSERT_NE(game(), nullptr);
    EXPECT_TRUE(game()->hasLevel());
    EXPECT_EQ(game()->field().levelNumber(), 2);
    EXPECT_TRUE(start->continueEnabled());
    clickChoice(NVolant::StartScreen::kContinueY);
    app->update(kStep);
    EXPECT_EQ(app->current(), game());
}

TEST_F(GameRoutesTest, AnUnreadableSavedGameOffersNothingToContinue)
{
    profile->setSavedGame("3C7361766520");
    app = std::make_unique<NVolant::GameApp>();
    ASSERT_TRUE(app->started());
    EXPECT_FALSE(static_cast<NVolant::StartScreen*>(app->mainMenu())->continueEnabled());
    ASSERT_NE(game(), nullptr);
    EXPECT_FALSE(game()->hasLevel());
}

TEST_F(GameRoutesTest, GameOverEndsTheGameScreenAfterTheMenuIsChosen)
{
    app = std::make_unique<NVolant::GameApp>();
    clickChoice(NVolant::StartScreen::kNewGameY);
    app->update(kStep);
    app->onKeyDown('D');
    for (int life = 0; life < 3; ++life) {
        ASSERT_NE(game()->field().plane(), nullptr);
        game()->field().plane()->applyDamage(100000);
        const int lives = game()->field().lives();
        for (int i = 0; i < 600 && game()->field().lives() == lives; ++i)
            app->update(kStep);
    }
    EXPECT_EQ(game()->fieldStatus(), FieldStatus::GameOverShowing);
    click(400, 300); // ends the label
    for (int i = 0; i < 3 && app->current() == game(); ++i)
        app->update(kStep);
    auto* done = dynamic_cast<NVolant::LevelDoneScreen*>(app->current());
    ASSERT_NE(done, nullptr);
    EXPECT_TRUE(done->isFinal());
    EXPECT_TRUE(profile->savedGame().empty());
    click(400, 300);
    EXPECT_EQ(app->game(), nullptr);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_FALSE(static_cast<NVolant::StartScreen*>(app->mainMenu())->continueEnabled());
    EXPECT_EQ(profile->scores().size(), 1u);
}

} // namespace
