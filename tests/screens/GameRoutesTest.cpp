#include "app/GameApp.h"
#include "screens/EndLevelWnd.h"
#include "screens/Game.h"
#include "screens/MainMenu.h"
#include "score/Profiles.h"

#include "content/CXmlNode.h"
#include "gameplay/Images.h"
#include "platform/KClock.h"
#include "platform/KPointer.h"
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

// The real application with the game's own screens: the routes from the main menu into a game,
// out to the menu and back, from one level to the next, and a saved game picked up at start-up.
class GameRoutesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", m_home.path().c_str(), 1);
        setManualClock(true);
        auto memory = std::make_unique<NVolant::MemoryProfile>();
        profile = memory.get();
        // The hint window has tests of its own; these routes go straight into play.
        memory->setShowHints(false);
        NVolant::ProfileLink::install(std::move(memory));
        // A player the menu knows, so that it opens on its buttons rather than the name keyboard.
        NVolant::Profiles::instance()->addProfile("ACE");
        NVolant::Profiles::instance()->selectProfile("ACE");
    }
    void TearDown() override
    {
        app.reset();
        NVolant::Images::destroy();
        NVolant::Profiles::destroy();
        NVolant::ProfileLink::install(nullptr);
        setManualClock(false);
        unsetenv("XDG_DATA_HOME");
    }

    Game* game() const { return static_cast<Game*>(app->game()); }
    NVolant::MainMenu* menu() const { return static_cast<NVolant::MainMenu*>(app->mainMenu()); }
    NVolant::EndLevelWnd* endLevel() const { return dynamic_cast<NVolant::EndLevelWnd*>(app->current()); }
    void click(float x, float y)
    {
        app->onLeftButtonDown(x, y);
        app->onLeftButtonUp(x, y);
    }
    // Play in the menu once its play panel stands, then a choice of the play panel.
    void choose(float choiceTop)
    {
        for (int i = 0; i < 60 && menu()->slideState() != NVolant::MainMenuAnims::SlideIdle; ++i)
            app->update(kStep);
        click(640, 143);
        click(400, 100 + choiceTop + 23);
    }
    void newGame() { choose(140); }
    void continueGame() { choose(60); }
    // Updates until the game screen has taken over from the menu, and its first own update (the
    // menu shows the pointer up to the change, the game hides it).
    void untilPlaying()
    {
        for (int i = 0; i < 60 && app->current() != game(); ++i)
            app->update(kStep);
        app->update(kStep);
    }
    void clickEndLevelContinue() { click(600, 572); }
    void clickEndLevelMainMenu() { click(200, 572); }

    TempDir m_home;
    NVolant::MemoryProfile* profile = nullptr;
    std::unique_ptr<NVolant::GameApp> app;
};

TEST_F(GameRoutesTest, FromTheMainMenuThroughALevelAndBackAfterARestart)
{
    app = std::make_unique<NVolant::GameApp>();
    ASSERT_TRUE(app->started());
    ASSERT_EQ(app->current(), menu());
    EXPECT_FALSE(menu()->continueEnabled());

    newGame();
    ASSERT_NE(game(), nullptr);
    EXPECT_EQ(app->pending(), game());
    untilPlaying();
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
    EXPECT_EQ(app->current(), menu());
    EXPECT_TRUE(menu()->continueEnabled());
    EXPECT_EQ(game()->getCommand(), NControls::ScreenCommand::None);
    continueGame();
    untilPlaying();
    ASSERT_EQ(app->current(), game());
    EXPECT_EQ(game()->fieldStatus(), FieldStatus::Waiting);

    // Flown to the end of the valley: the level's result, then on to level 2.
    app->onKeyDown('D');
    const NVolant::Terrain& t = game()->field().level()->terrain();
    game()->field().plane()->setStart(
        Vector4(400.0f, static_cast<float>(t.rows() * t.cellSize()) - 600.0f, 0.0f, 1.0f));
    for (int i = 0; i < 2000 && app->current() == game(); ++i)
        app->update(kStep);
    NVolant::EndLevelWnd* done = endLevel();
    ASSERT_NE(done, nullptr);
    EXPECT_TRUE(done->continueButton()->isVisible());
    EXPECT_EQ(game()->fieldStatus(), FieldStatus::LevelComplete);
    clickEndLevelContinue();
    ASSERT_EQ(app->current(), game());
    EXPECT_EQ(app->endLevel(), nullptr);
    EXPECT_EQ(game()->field().levelNumber(), 2);
    EXPECT_EQ(game()->fieldStatus(), FieldStatus::Waiting);
    EXPECT_EQ(profile->levelMax(), 2);

    // The program ends; the next start offers level 2 to continue.
    app.reset();
    app = std::make_unique<NVolant::GameApp>();
    ASSERT_NE(game(), nullptr);
    EXPECT_TRUE(game()->hasLevel());
    EXPECT_EQ(game()->field().levelNumber(), 2);
    EXPECT_TRUE(menu()->continueEnabled());
    continueGame();
    untilPlaying();
    EXPECT_EQ(app->current(), game());
}

TEST_F(GameRoutesTest, AnUnreadableSavedGameOffersNothingToContinue)
{
    profile->setSavedGame("3C7361766520");
    app = std::make_unique<NVolant::GameApp>();
    ASSERT_TRUE(app->started());
    EXPECT_FALSE(menu()->continueEnabled());
    ASSERT_NE(game(), nullptr);
    EXPECT_FALSE(game()->hasLevel());
}

TEST_F(GameRoutesTest, GameOverEndsTheGameScreenAfterTheMenuIsChosen)
{
    app = std::make_unique<NVolant::GameApp>();
    newGame();
    untilPlaying();
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
    NVolant::EndLevelWnd* done = endLevel();
    ASSERT_NE(done, nullptr);
    EXPECT_FALSE(done->continueButton()->isVisible());
    EXPECT_TRUE(profile->savedGame().empty());
    clickEndLevelMainMenu();
    EXPECT_EQ(app->game(), nullptr);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_FALSE(menu()->continueEnabled());
    EXPECT_EQ(profile->scores().size(), 1u);
}

} // namespace
