#include "app/GameApp.h"

#include "screens/EndLevelWnd.h"
#include "screens/Game.h"
#include "screens/MainMenu.h"
#include "screens/PlayGamePanel.h"
#include "score/Profiles.h"

#include "support/HeadlessPlatform.h"
#include "support/TempDir.h"

#include "platform/KClock.h"
#include "platform/KInjection.h"
#include "platform/KInput.h"
#include "platform/KeyTable.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/Level.h"
#include "world/Terrain.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using NVolant::MainMenu;

// The real application on the generated data, driven only by the window's own input events, as
// a new player meets it.
class JourneyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_DATA_HOME");
        m_hadDataHome = old != nullptr;
        if (old)
            m_oldDataHome = old;
        setenv("XDG_DATA_HOME", m_home.path().c_str(), 1);
        setManualClock(true);
        NVolant::PlayGamePanel::forgetMadeBefore();
    }
    void TearDown() override
    {
        m_app.reset();
        setManualClock(false);
        if (m_hadDataHome)
            setenv("XDG_DATA_HOME", m_oldDataHome.c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }

    NVolant::GameApp& start()
    {
        m_app = std::make_unique<NVolant::GameApp>();
        return *m_app;
    }
    MainMenu& menu() { return *dynamic_cast<MainMenu*>(m_app->mainMenu()); }
    void run(int frames)
    {
        for (int i = 0; i < frames; ++i)
            m_app->frame();
    }
    void click(int x, int y)
    {
        KInjection::mouseMove(x, y);
        KInjection::mouseButton(1, true, x, y);
        KInjection::mouseButton(1, false, x, y);
        m_app->frame();
    }
    void type(const std::string& name)
    {
        const std::string rows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
        for (char key : name)
            for (int r = 0; r < 4; ++r) {
                const auto c = rows[r].find(key);
                if (c != std::string::npos)
                    click(144 + 70 + 28 * static_cast<int>(c) + 6, 172 + 80 + 24 * r + 12);
            }
    }
    // Frames until the menu stands still with its dark cleared, then a picture of it.
    void settle(const std::string& picture)
    {
        for (int i = 0;
             i < 120 && (menu().slideState() != NVolant::MainMenuAnims::SlideIdle ||
                         menu().dimValue() > 0.0f || (menu().activePanel() && menu().dimValue() < 0.7f));
             ++i)
            m_app->frame();
        shot(picture);
    }
    // Frames until the play panel stops sliding.
    void settleSlide()
    {
        // A closed panel goes at the next update, and the play panel starts back.
        m_app->frame();
        for (int i = 0; i < 60 && menu().slideState() != NVolant::MainMenuAnims::SlideIdle; ++i)
            m_app->frame();
    }
    void shot(const std::string& picture)
    {
        Frame frame;
        KInjection::readPicture(frame.rgba, frame.width, frame.height);
        frame.save("screens", picture);
    }
    NVolant::Game* game() const { return static_cast<NVolant::Game*>(m_app->game()); }
    void key(int virtualKey)
    {
        KInjection::key(virtualKey, true);
        KInjection::key(virtualKey, false);
        m_app->frame();
    }
    // Frames until the screen is current (or a limit); updates only when drawing would only cost.
    void runUntil(NControls::Control* const& screen, int limit, bool draw = true)
    {
        for (int i = 0; i < limit && m_app->current() != screen; ++i) {
            if (draw)
                m_app->frame();
            else
                m_app->update(NLib::Window::kFrameStep);
        }
    }
    std::string saveFile() const { return m_home.path() + "/Corvidane/Skyvane/save.dat"; }

    TempDir m_home;
    std::unique_ptr<NVolant::GameApp> m_app;

private:
    bool m_hadDataHome = false;
    std::string m_oldDataHome;
};

} // namespace

TEST_F(JourneyTest, ANewPlayerNamesAProfileLooksAroundTheMenusAndLeaves)
{
    NVolant::GameApp& app = start();
    ASSERT_TRUE(app.started());
    // No profile yet: the menu asks for a name before anything else.
    ASSERT_NE(menu().createPanel(), nullptr);
    settle("journey_01_create_profile");
    type("MAVERICK");
    click(144 + 68 + 60, 172 + 196 + 19); // CREATE
    run(1);
    ASSERT_NE(NVolant::Profiles::instance()->currentProfile(), nullptr);
    EXPECT_EQ(NVolant::Profiles::instance()->currentProfile()->name(), "MAVERICK");
    EXPECT_EQ(menu().createPanel(), nullptr);
    settle("journey_02_main_menu");

    // Play: nothing to continue yet.
    click(640, 143);
    ASSERT_NE(menu().playPanel(), nullptr);
    EXPECT_FALSE(menu().playPanel()->continueButton()->isVisible());
    settle("journey_03_play_panel");
    click(400, 100 + 330 + 19); // CANCEL
    settleSlide();
    EXPECT_EQ(menu().playPanel(), nullptr);

    // Options: hints off for this profile.
    click(640, 203);
    ASSERT_NE(menu().optionsPanel(), nullptr);
    settle("journey_04_options");
    click(240 + 53, 100 + 169);
    EXPECT_FALSE(NVolant::Profiles::instance()->currentProfile()->m_isShowHints);
    // A new player starts full screen; the box takes the game to a window.
    EXPECT_TRUE(app.isFullScreen());
    EXPECT_TRUE(menu().optionsPanel()->fullScreenBox()->isChecked());
    click(240 + 53, 100 + 91);
    EXPECT_FALSE(app.isFullScreen());
    EXPECT_FALSE(menu().optionsPanel()->fullScreenBox()->isChecked());
    // The music slider, dragged from its place (half way) down to 30.
    const int musicLeft = 240 + 69, musicY = 100 + 233 + 13;
    KInjection::mouseButton(1, true, musicLeft + 89, musicY);
    KInjection::mouseMove(musicLeft + 60, musicY);
    KInjection::mouseMove(musicLeft + 53, musicY);
    KInjection::mouseButton(1, false, musicLeft + 53, musicY);
    m_app->frame();
    EXPECT_EQ(menu().optionsPanel()->musicSlider()->getValue(), 30);
    click(240 + 160, 100 + 330 + 19);
    settleSlide();

    // A second profile through the profile list, then back to the first and delete the second.
    click(400, 65);
    ASSERT_NE(menu().changePanel(), nullptr);
    settle("journey_05_change_profile");
    click(380, 150 + 9); // "Create a new user"
    ASSERT_NE(menu().changePanel()->createPanel(), nullptr);
    type("GOOSE");
    click(144 + 68 + 60, 172 + 196 + 19);
    run(1);
    EXPECT_EQ(NVolant::Profiles::instance()->currentProfile()->name(), "GOOSE");
    EXPECT_EQ(menu().changePanel()->list()->getSelected(), 2);
    click(380, 150 + 18 + 9);  // MAVERICK
    click(270 + 60, 430 + 19); // OK
    run(1);
    EXPECT_EQ(menu().changePanel(), nullptr);
    EXPECT_EQ(NVolant::Profiles::instance()->currentProfile()->name(), "MAVERICK");
    click(400, 65);
    click(380, 150 + 36 + 9);  // GOOSE
    click(340 + 60, 390 + 19); // DELETE
    ASSERT_NE(menu().changePanel()->confirmPanel(), nullptr);
    run(60);
    shot("journey_06_delete_question");
    click(144 + 68 + 60, 172 + 196 + 19); // OK
    run(1);
    EXPECT_EQ(NVolant::Profiles::instance()->profileCount(), 1u);
    click(405 + 60, 430 + 19); // CANCEL
    settleSlide();

    // The top ten, empty so far.
    click(640, 263);
    ASSERT_NE(menu().topTenPanel(), nullptr);
    settle("journey_07_top_ten");
    click(400, 60 + 410 + 19);
    settleSlide();

    // Exit asks first; CANCEL keeps the game running, OK ends it.
    click(640, 383);
    settle("journey_08_exit_question");
    click(144 + 324 + 60, 172 + 196 + 19);
    run(1);
    EXPECT_FALSE(app.platformWindow()->isQuitRequested());
    settleSlide();
    click(640, 383);
    click(144 + 68 + 60, 172 + 196 + 19);
    EXPECT_TRUE(app.platformWindow()->isQuitRequested());

    m_app.reset();
    NVolant::Profiles saved;
    ASSERT_TRUE(saved.load(saveFile()));
    ASSERT_EQ(saved.profileCount(), 1u);
    EXPECT_EQ(saved.profileAt(0)->name(), "MAVERICK");
    EXPECT_FALSE(saved.profileAt(0)->m_isShowHints);
    ASSERT_NE(saved.currentProfile(), nullptr);
    EXPECT_EQ(saved.currentProfile()->name(), "MAVERICK");
    EXPECT_EQ(saved.m_isWindowed, 1);
    EXPECT_EQ(saved.m_musicVolume, 30);
}

TEST_F(JourneyTest, ClosingTheWindowOverAPanelKeepsEverythingChosenSoFar)
{
    NVolant::GameApp& app = start();
    type("ICEMAN");
    click(144 + 68 + 60, 172 + 196 + 19);
    run(1);
    // Options open, hints switched off, then the window's close button.
    settleSlide();
    click(640, 203);
    click(240 + 53, 100 + 169);
    KInjection::closeWindow();
    app.frame();
    ASSERT_TRUE(app.platformWindow()->isQuitRequested());
    m_app.reset();

    NVolant::Profiles saved;
    ASSERT_TRUE(saved.load(saveFile()));
    ASSERT_EQ(saved.profileCount(), 1u);
    EXPECT_EQ(saved.profileAt(0)->name(), "ICEMAN");
    EXPECT_FALSE(saved.profileAt(0)->m_isShowHints);
}

TEST_F(JourneyTest, APlayerFliesALevelSeesItsFiguresAndAfterTheGameTheTopTen)
{
    NVolant::GameApp& app = start();
    type("GOOSE");
    click(144 + 68 + 60, 172 + 196 + 19);
    settleSlide();

    // Play, New game: the hint window comes first.
    click(640, 143);
    settleSlide();
    click(400, 100 + 140 + 23);
    NVolant::Game* playing = game();
    ASSERT_NE(playing, nullptr);
    runUntil(m_app->game(), 60);
    ASSERT_EQ(app.current(), playing);
    ASSERT_NE(playing->hintWindow(), nullptr);
    run(2);
    shot("journey_20_hint_window");
    click(710, 569); // CLOSE
    run(1);
    EXPECT_EQ(playing->hintWindow(), nullptr);

    // A key starts the flight; a few seconds of it, then Escape to the menu.
    key('W');
    run(1);
    EXPECT_EQ(playing->fieldStatus(), NVolant::FieldStatus::Playing);
    run(90);
    shot("journey_21_game");
    key(VKey::Escape);
    EXPECT_EQ(app.current(), app.mainMenu());
    EXPECT_TRUE(menu().continueEnabled());
    settleSlide();
    shot("journey_22_menu_during_a_game");

    // Continue: the same game, paused until the player moves.
    click(640, 143);
    settleSlide();
    ASSERT_TRUE(menu().playPanel()->continueButton()->isVisible());
    click(400, 100 + 60 + 23);
    runUntil(m_app->game(), 60);
    ASSERT_EQ(app.current(), playing);
    EXPECT_EQ(playing->fieldStatus(), NVolant::FieldStatus::Waiting);
    key('W');

    // Flying the whole valley would take minutes headless: the plane is put near its end.
    const NVolant::Terrain& valley = playing->field().level()->terrain();
    playing->field().plane()->setStart(
        Vector4(400.0f, static_cast<float>(valley.rows() * valley.cellSize()) - 600.0f, 0.0f, 1.0f));
    runUntil(m_app->endLevel(), 3000, false);
    auto* figures = dynamic_cast<NVolant::EndLevelWnd*>(app.current());
    ASSERT_NE(figures, nullptr);
    EXPECT_TRUE(figures->continueButton()->isVisible());
    run(1);
    shot("journey_23_end_of_level");

    // On into level 2.
    click(600, 572);
    ASSERT_EQ(app.current(), playing);
    EXPECT_EQ(playing->field().levelNumber(), 2);
    EXPECT_EQ(app.endLevel(), nullptr);
    key('W');
    run(30);
    shot("journey_24_level_2");

    // A good game that ends: the last lives go, the statistics say so, the top ten opens.
    playing->field().world().arena().scores().addScore(25000, Vector4(400, 300, 0, 1));
    for (int life = 0; life < 10 && playing->fieldStatus() == NVolant::FieldStatus::Playing; ++life) {
        ASSERT_NE(playing->field().plane(), nullptr);
        playing->field().plane()->applyDamage(100000);
        const int lives = playing->field().lives();
        for (int i = 0; i < 600 && playing->field().lives() == lives &&
                        playing->fieldStatus() == NVolant::FieldStatus::Playing;
             ++i)
            m_app->update(NLib::Window::kFrameStep);
    }
    run(30);
    shot("journey_25_game_over");
    click(400, 300); // the game-over label ends
    runUntil(m_app->endLevel(), 10);
    figures = dynamic_cast<NVolant::EndLevelWnd*>(app.current());
    ASSERT_NE(figures, nullptr);
    EXPECT_FALSE(figures->continueButton()->isVisible());
    shot("journey_26_end_of_game");
    click(200, 572); // MAIN MENU
    EXPECT_EQ(app.game(), nullptr);
    ASSERT_NE(menu().topTenPanel(), nullptr);
    EXPECT_EQ(menu().topTenPanel()->entries().front().name, "GOOSE");
    run(50);
    shot("journey_27_top_ten");
    click(400, 60 + 410 + 19);
    settleSlide();
    EXPECT_FALSE(menu().continueEnabled());

    click(640, 383);
    click(144 + 68 + 60, 172 + 196 + 19);
    EXPECT_TRUE(app.platformWindow()->isQuitRequested());
    m_app.reset();

    NVolant::Profiles saved;
    ASSERT_TRUE(saved.load(saveFile()));
    ASSERT_NE(saved.currentProfile(), nullptr);
    EXPECT_EQ(saved.currentProfile()->name(), "GOOSE");
    EXPECT_GE(saved.currentProfile()->m_levelMax, 2u);
    EXPECT_TRUE(saved.currentProfile()->m_save.empty()); // nothing to continue after game over
    EXPECT_GE(saved.currentProfile()->scores.front(), 25000u);
}
