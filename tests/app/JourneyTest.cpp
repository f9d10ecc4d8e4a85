#include "AppFixture.h"

#include "content/AudioSystem.h"
#include "platform/KPointer.h"
#include "platform/KeyTable.h"
#include "score/Scores.h"
#include "world/World.h"

#include <filesystem>

namespace {

using NVolant::FieldStatus;
using NVolant::MainMenuAnims;

// The real application on the generated data with a mouse and a keyboard, as a new player meets
// it: a profile, every menu, a game flown through its first level, a visit to the menu, the
// window closed, and the next start carrying on until the game is over.
class JourneyTest : public AppFixture {
protected:
    // Frames until the menu stands still with its dark cleared, then a picture of it.
    void settle(const std::string& picture)
    {
        for (int i = 0; i < 120 && (menu().slideState() != MainMenuAnims::SlideIdle || menu().dimValue() > 0.0f ||
                                    (menu().activePanel() && menu().dimValue() < 0.7f));
             ++i)
            app->frame();
        shot(picture);
    }
    void type(const std::string& name)
    {
        typeName(name, [this](Spot at) { click(at); });
    }
    bool showing(const NControls::Control* screen) const { return screen && app->current() == screen; }
    // Play, then a choice of the play panel, then frames until the game has taken over from the menu.
    void playFromMenu(Spot choice)
    {
        click(spot::kPlay);
        settleSlide();
        click(choice);
        runUntil([this] { return app->current() != app->mainMenu(); }, 60);
    }
};

} // namespace

TEST_F(JourneyTest, APlayerWalksEveryMenuFliesALevelAndCarriesOnAfterARestartUntilGameOver)
{
    start();
    ASSERT_TRUE(app->started());
    // A new player: full screen, the audio at the settings' volumes, no profile, and the name
    // keyboard before anything else. (The save folder is checked by reading the save file.)
    EXPECT_TRUE(app->isFullScreen());
    NAudio::AudioSystem* audio = NAudio::AudioSystem::existing();
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->soundVolume(), app->audioSettings().soundVolume);
    EXPECT_EQ(audio->streamVolume(), app->audioSettings().musicVolume);
    EXPECT_TRUE(isCursorVisible());
    EXPECT_EQ(NVolant::Profiles::instance()->profileCount(), 0u);
    ASSERT_NE(menu().createPanel(), nullptr);
    EXPECT_FALSE(menu().createPanel()->cancelButton()->isActive()) << "the first profile cannot be refused";
    settle("journey_01_create_profile");
    type("MAVERICK");
    click(spot::kPanelLeft); // CREATE
    app->frame();
    ASSERT_NE(NVolant::Profiles::instance()->currentProfile(), nullptr);
    EXPECT_EQ(NVolant::Profiles::instance()->currentProfile()->name(), "MAVERICK");
    EXPECT_EQ(menu().createPanel(), nullptr);
    settle("journey_02_main_menu");

    // Play: nothing to continue yet.
    click(spot::kPlay);
    ASSERT_NE(menu().playPanel(), nullptr);
    EXPECT_FALSE(menu().playPanel()->continueButton()->isVisible());
    settle("journey_03_play_panel");
    click(spot::kPlayCancel);
    settleSlide();
    EXPECT_EQ(menu().playPanel(), nullptr);

    // New game: it waits for the menu's slide, the pointer goes hidden to the bottom middle, and
    // the hint window comes first. (The game tracks' turns are the application test's.)
    click(spot::kPlay);
    settleSlide();
    click(spot::kNewGame);
    NVolant::Game* playing = game();
    ASSERT_NE(playing, nullptr);
    EXPECT_EQ(app->pending(), playing);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_FALSE(isCursorVisible());
    EXPECT_EQ(getMouseX(), 400);
    EXPECT_EQ(getMouseY(), 500);
    runUntil([&] { return showing(playing); }, 60);
    ASSERT_EQ(app->current(), playing);
    EXPECT_EQ(app->pending(), nullptr);
    ASSERT_NE(playing->hintWindow(), nullptr);
    frames(2);
    shot("journey_07_hint_window");
    click(spot::kHintClose);
    app->frame();
    EXPECT_EQ(playing->hintWindow(), nullptr);

    // A key starts the flight; a few seconds of it, then Escape to the menu, with the game kept.
    key('W');
    app->frame();
    EXPECT_EQ(playing->fieldStatus(), FieldStatus::Playing);
    frames(90);
    shot("journey_08_game");
    key(VKey::Escape);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_EQ(playing->getCommand(), NControls::ScreenCommand::None);
    EXPECT_TRUE(menu().continueEnabled());
    EXPECT_TRUE(isCursorVisible());
    settleSlide();

    // Options meanwhile: the box takes the game to a window, the music slider is dragged from its
    // place (half way) down to 30.
    click(spot::kOptions);
    ASSERT_NE(menu().optionsPanel(), nullptr);
    settle("journey_09_options");
    EXPECT_TRUE(menu().optionsPanel()->fullScreenBox()->isChecked());
    click(spot::kFullScreenBox);
    EXPECT_FALSE(app->isFullScreen());
    EXPECT_FALSE(menu().optionsPanel()->fullScreenBox()->isChecked());
    const int musicLeft = 240 + 69, musicY = 100 + 233 + 13;
    KInjection::mouseButton(1, true, musicLeft + 89, musicY);
    KInjection::mouseMove(musicLeft + 60, musicY);
    KInjection::mouseMove(musicLeft + 53, musicY);
    KInjection::mouseButton(1, false, musicLeft + 53, musicY);
    app->frame();
    EXPECT_EQ(menu().optionsPanel()->musicSlider()->getValue(), 30);
    click(spot::kOptionsBack);
    settleSlide();

    // Continue: the same game, paused until the player moves.
    playFromMenu(spot::kContinue);
    ASSERT_EQ(app->current(), playing);
    EXPECT_EQ(playing->fieldStatus(), FieldStatus::Waiting);
    key('W');

    auto* figures = flyToTheEnd(*playing);
    ASSERT_NE(figures, nullptr);
    EXPECT_TRUE(figures->continueButton()->isVisible());
    EXPECT_FALSE(app->music()->isPlaying());
    app->frame();
    shot("journey_10_end_of_level");

    // The level's figures wait across a visit to the menu; Continue there shows them again.
    click(spot::kEndMainMenu);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_EQ(app->endLevel(), figures);
    settleSlide();
    playFromMenu(spot::kContinue);
    ASSERT_EQ(app->current(), figures);
    click(spot::kEndMainMenu);
    settleSlide();

    // A second profile through the profile list, then back to the first: the figures go with the
    // game in hand, and the first player's saved game comes. (Deleting is the panel's test's.)
    click(spot::kChangeProfile);
    ASSERT_NE(menu().changePanel(), nullptr);
    settle("journey_05_change_profile");
    click(spot::kProfileRow0); // "Create a new user"
    ASSERT_NE(menu().changePanel()->createPanel(), nullptr);
    type("GOOSE");
    click(spot::kPanelLeft);
    app->frame();
    EXPECT_EQ(NVolant::Profiles::instance()->currentProfile()->name(), "GOOSE");
    EXPECT_EQ(app->endLevel(), nullptr);
    EXPECT_FALSE(menu().continueEnabled());
    EXPECT_EQ(menu().changePanel()->list()->getSelected(), 2);
    click({spot::kProfileRow0.x, spot::kProfileRow0.y + 18}); // MAVERICK
    click(spot::kProfileOk);
    app->frame();
    EXPECT_EQ(menu().changePanel(), nullptr);
    EXPECT_EQ(NVolant::Profiles::instance()->currentProfile()->name(), "MAVERICK");
    EXPECT_TRUE(menu().continueEnabled());
    settleSlide();

    // Continue: the saved game from the level's start rather than the figures, made without the
    // hint window, paused.
    playing = game();
    playFromMenu(spot::kContinue);
    ASSERT_EQ(app->current(), playing);
    EXPECT_EQ(app->endLevel(), nullptr);
    EXPECT_EQ(playing->hintWindow(), nullptr);
    EXPECT_EQ(playing->fieldStatus(), FieldStatus::Waiting);

    // Down the valley again, and CONTINUE on the figures: level 2, whose start is in the save file
    // at once, with the settings as they are now.
    key('W');
    ASSERT_NE(flyToTheEnd(*playing), nullptr);
    click(spot::kEndContinue);
    ASSERT_EQ(app->current(), playing);
    EXPECT_EQ(app->endLevel(), nullptr);
    EXPECT_EQ(playing->field().levelNumber(), 2);
    EXPECT_FALSE(isCursorVisible());
    {
        const auto written = savedProfiles();
        ASSERT_NE(written->currentProfile(), nullptr);
        EXPECT_GE(written->currentProfile()->m_levelMax, 2u);
        EXPECT_FALSE(written->currentProfile()->m_save.empty());
        EXPECT_EQ(written->m_isWindowed, 1);
        EXPECT_EQ(written->m_musicVolume, 30);
    }

    // Escape, hints off in the options, then the window's close button over the panel: nothing
    // chosen so far is lost.
    key(VKey::Escape);
    settleSlide();
    click(spot::kOptions);
    click(spot::kHintsBox);
    EXPECT_FALSE(NVolant::Profiles::instance()->currentProfile()->m_isShowHints);
    KInjection::closeWindow();
    app->frame();
    ASSERT_TRUE(app->platformWindow()->isQuitRequested());
    app.reset();
    {
        const auto saved = savedProfiles();
        ASSERT_EQ(saved->profileCount(), 2u);
        ASSERT_NE(saved->currentProfile(), nullptr);
        EXPECT_EQ(saved->currentProfile()->name(), "MAVERICK");
        EXPECT_FALSE(saved->currentProfile()->m_isShowHints);
    }

    // The next start: a window and the music at 30 as saved, and level 2 to continue.
    start();
    ASSERT_TRUE(app->started());
    EXPECT_FALSE(app->isFullScreen());
    EXPECT_EQ(NAudio::AudioSystem::existing()->streamVolume(), 30);
    EXPECT_TRUE(menu().continueEnabled());
    ASSERT_NE(game(), nullptr);
    EXPECT_EQ(game()->field().levelNumber(), 2);
    EXPECT_EQ(app->current(), app->mainMenu());

    // CHOOSE LEVEL, level 2 on the grid of the levels reached, OK: a new game there.
    settleSlide();
    click(spot::kPlay);
    settleSlide();
    click({400, 100 + 220 + 23});
    ASSERT_NE(menu().customPanel(), nullptr);
    settleSlide();
    click({144 + 50 + 45 + 10, 172 + 70 + 20});
    click(spot::kPanelLeft);
    runUntil([this] { return app->current() != app->mainMenu(); }, 60);
    playing = game();
    ASSERT_EQ(app->current(), playing);
    EXPECT_EQ(playing->field().levelNumber(), 2);
    EXPECT_EQ(playing->fieldStatus(), FieldStatus::Waiting);
    key('W');
    frames(30);

    // A good game that ends: the last lives go, the statistics say so, the top ten opens.
    playing->field().world().arena().scores().addScore(25000, Vector4(400, 300, 0, 1));
    for (int life = 0; life < 10 && playing->fieldStatus() == FieldStatus::Playing; ++life) {
        ASSERT_NE(playing->field().plane(), nullptr);
        playing->field().plane()->applyDamage(100000);
        const int lives = playing->field().lives();
        for (int i = 0; i < 600 && playing->field().lives() == lives && playing->fieldStatus() == FieldStatus::Playing;
             ++i)
            app->update(NLib::Window::kFrameStep);
    }
    frames(30);
    shot("journey_11_game_over");
    click({400, 300}); // the game-over label ends
    runUntil([&] { return showing(app->endLevel()); }, 10);
    figures = dynamic_cast<NVolant::EndLevelWnd*>(app->current());
    ASSERT_NE(figures, nullptr);
    EXPECT_FALSE(figures->continueButton()->isVisible());
    click(spot::kEndMainMenu);
    EXPECT_EQ(app->game(), nullptr);
    EXPECT_EQ(app->endLevel(), nullptr);
    ASSERT_NE(menu().topTenPanel(), nullptr);
    EXPECT_FALSE(NVolant::Profiles::instance()->topTenChanged) << "the top ten opens once";
    EXPECT_EQ(menu().topTenPanel()->entries().front().name, "MAVERICK");
    click(spot::kTopTenClose);
    settleSlide();
    EXPECT_FALSE(menu().continueEnabled());

    // Exit, OK: the end, with nothing left to continue.
    click(spot::kExit);
    click(spot::kPanelLeft);
    EXPECT_TRUE(app->platformWindow()->isQuitRequested());
    app.reset();
    const auto saved = savedProfiles();
    ASSERT_NE(saved->currentProfile(), nullptr);
    EXPECT_TRUE(saved->currentProfile()->m_save.empty());
    EXPECT_GE(saved->currentProfile()->scores.front(), 25000u);
}

TEST_F(JourneyTest, AnUnreadableSavedGameOffersNothingToContinue)
{
    {
        NVolant::Profiles written;
        ASSERT_TRUE(written.addProfile("ACE"));
        written.findProfile("ACE")->m_save = "3C7361766520";
        std::filesystem::create_directories(home.file("Corvidane/Skyvane"));
        ASSERT_TRUE(written.save(saveFile()));
    }
    start();
    ASSERT_TRUE(app->started());
    EXPECT_FALSE(menu().continueEnabled());
    ASSERT_NE(game(), nullptr);
    EXPECT_FALSE(game()->hasLevel());
}
