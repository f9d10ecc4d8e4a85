#include "screens/Game.h"

#include "world/RealGameData.h"

#include "platform/KInput.h"
#include "platform/KPointer.h"
#include "world/Level.h"

namespace {

using NVolant::FieldStatus;
using NVolant::Game;

constexpr float kStep = 16.666666f;

// The hint picture as the game screen sees it: closed by its own button.
class TestHint final : public NVolant::HintWindow {
public:
    bool isClosed() const override { return m_closed; }
    bool onLeftUp(float, float) override
    {
        m_closed = true;
        return true;
    }
    bool onMouseMove(float, float) override
    {
        ++moves;
        return true;
    }
    int moves = 0;

private:
    bool m_closed = false;
};

class GameScreenTest : public RealGameData {
protected:
    void SetUp() override
    {
        RealGameData::SetUp();
        Game::setHintMaker([](NVolant::ProfileLink*) { return std::make_unique<TestHint>(); });
    }
    void TearDown() override
    {
        Game::setHintMaker(nullptr);
        RealGameData::TearDown();
    }
    static void startNewGame(Game& game, int level = 1)
    {
        game.newGame();
        game.setLevel(level);
        game.startLevel();
    }
    static TestHint* hint(Game& game) { return static_cast<TestHint*>(game.hintWindow()); }
};

TEST_F(GameScreenTest, TheHintWindowComesOnlyWhenHintsAreAllowedAndWanted)
{
    EXPECT_NE(Game(true, profile).hintWindow(), nullptr);
    EXPECT_NE(Game(true, nullptr).hintWindow(), nullptr);
    EXPECT_EQ(Game(false, profile).hintWindow(), nullptr);
    profile->setShowHints(false);
    EXPECT_EQ(Game(true, profile).hintWindow(), nullptr);
    Game::setHintMaker(nullptr);
    EXPECT_EQ(Game(true, nullptr).hintWindow(), nullptr);
}

TEST_F(GameScreenTest, WithTheHintWindowOpenEscapeOnlyClosesItAndAnyOtherKeyStartsPlay)
{
    Game game(true, profile);
    startNewGame(game);
    game.onMouseMove(10, 10);
    game.onMouseMove(20, 10);
    game.onMouseMove(30, 10);
    EXPECT_EQ(hint(game)->moves, 3);
    EXPECT_EQ(game.field().mouseMoves(), 0); // the hint window has the pointer
    game.onKeyDown(Game::kEscape, 0);
    EXPECT_EQ(game.hintWindow(), nullptr);
    EXPECT_EQ(game.getCommand(), NControls::ScreenCommand::None);
    EXPECT_EQ(game.fieldStatus(), FieldStatus::Waiting);
    EXPECT_TRUE(game.hasLevel());

    Game another(true, profile);
    startNewGame(another);
    NVolant::PlayerControls typed;
    typed.typed = {'M'};
    another.update(kStep, typed);
    EXPECT_NE(another.hintWindow(), nullptr);
    EXPECT_EQ(another.fieldStatus(), FieldStatus::Playing);
}

TEST_F(GameScreenTest, ClosingTheHintWindowHandsThePointerToThePlane)
{
    Game game(true, profile);
    startNewGame(game);
    game.update(kStep);
    EXPECT_TRUE(isCursorVisible());
    EXPECT_EQ(game.field().plane()->cameraOffset().y, 0.0f);
    setMousePosition(10, 10);
    game.onLeftUp(700, 560);
    game.update(kStep);
    EXPECT_EQ(game.hintWindow(), nullptr);
    EXPECT_EQ(getMouseX(), static_cast<int>(game.field().plane()->position().x));
    EXPECT_EQ(getMouseY(), static_cast<int>(game.field().plane()->position().y));
    game.update(kStep);
    EXPECT_FALSE(isCursorVisible());
}

TEST_F(GameScreenTest, TheScreenDrawsTheWholeFieldAndEscapeDuringPlayAsksForTheMainMenu)
{
    Game game(false, profile);
    startNewGame(game, 2);
    // Terrain and frame cover the picture: nothing of the clear colour shows.
    platform->beginFrame(1, 0, 1);
    game.draw();
    EXPECT_EQ(platform->readFrame().countNot(255, 0, 255, 8), 800 * 600);
    NVolant::PlayerControls typed;
    typed.typed = {'D'};
    game.update(kStep, typed);
    EXPECT_EQ(game.fieldStatus(), FieldStatus::Playing);
    for (int i = 0; i < 40; ++i)
        game.update(kStep);
    game.onKeyDown(Game::kEscape, 0);
    EXPECT_EQ(game.getCommand(), NControls::ScreenCommand::MainMenu);
    // The key goes on like any other, and starts play again; the application leaves at once,
    // and continuing pauses the field again.
    EXPECT_EQ(game.fieldStatus(), FieldStatus::Playing);
    EXPECT_EQ(game.field().titleFade(), 1.0f);
    game.pause();
    EXPECT_EQ(game.fieldStatus(), FieldStatus::Waiting);
}

} // namespace
