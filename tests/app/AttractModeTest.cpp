#include "app/GameApp.h"

#include "platform/KInjection.h"
#include "screens/Game.h"
#include "screens/MainMenu.h"
#include "score/Profiles.h"
#include "platform/KInput.h"
#include "platform/KPointer.h"
#include "platform/KeyTable.h"
#include "world/ProfileLink.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using NVolant::AttractMode;
using Phase = NVolant::AttractMode::Phase;

// The real application on the dummy drivers with a player's profile (without one the menu
// insists on making one first, and a panel open keeps demonstrations away), left alone on its
// main menu.
class AttractModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            m_oldDataHome = old;
        setenv("XDG_DATA_HOME", m_home.path().c_str(), 1);
        std::filesystem::create_directories(m_home.file("Corvidane/Skyvane"));
        {
            NVolant::Profiles::destroy();
            NVolant::Profiles* profiles = NVolant::Profiles::instance();
            ASSERT_TRUE(profiles->addProfile("ACE"));
            ASSERT_TRUE(profiles->selectProfile("ACE"));
            profiles->currentProfile()->m_levelMax = 5;
            profiles->m_isWindowed = 1;
            ASSERT_TRUE(profiles->save(savePath()));
            NVolant::Profiles::destroy();
        }
        NVolant::AppOptions options;
        options.windowed = 1;
        options.frameCap = false;
        app = std::make_unique<NVolant::GameApp>(NVolant::makeDefaultScreenKit(), options);
        ASSERT_TRUE(app->started());
    }
    void TearDown() override
    {
        app.reset();
        NVolant::ProfileLink::install(nullptr);
        if (m_oldDataHome.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", m_oldDataHome.c_str(), 1);
    }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            app->frame();
    }
    // Frames until the menu's quiet time has passed and the flight has faded in.
    void waitForDemo()
    {
        // The quiet time counts from the end of the menu's opening slide.
        const int most = static_cast<int>(AttractMode::kIdleMs / 16.666666f) + 120;
        for (int i = 0; i < most && app->attract().phase() == Phase::Off; ++i)
            frames(1);
        ASSERT_EQ(app->attract().phase(), Phase::MenuFadingOut);
        frames(30);
        ASSERT_EQ(app->attract().phase(), Phase::Flying);
        ASSERT_NE(app->attract().screen(), nullptr);
        ASSERT_EQ(app->current(), app->attract().screen());
    }
    std::string savePath() const { return m_home.file("Corvidane/Skyvane/save.dat"); }
    std::string saveBytes() const { return m_home.read("Corvidane/Skyvane/save.dat"); }
    bool menuPanelOpen() const
    {
        const auto* menu = dynamic_cast<const NVolant::MainMenu*>(app->mainMenu());
        return menu && menu->activePanel() != nullptr;
    }

    std::unique_ptr<NVolant::GameApp> app;
    TempDir m_home;
    std::string m_oldDataHome;
};

TEST_F(AttractModeTest, AnIdleMenuFliesADemoWithItsOwnProfileAndAKeyBringsTheMenuBack)
{
    NVolant::ProfileLink* player = NVolant::ProfileLink::current();
    ASSERT_NE(player, nullptr);
    KInjection::mouseMove(123, 234);
    frames(1);
    // Input restarts the quiet time.
    frames(static_cast<int>(AttractMode::kIdleMs / 16.666666f) - 10);
    KInjection::mouseMove(124, 234);
    frames(20);
    EXPECT_EQ(app->attract().phase(), Phase::Off);
    EXPECT_EQ(app->current(), app->mainMenu());

    const std::string saved = saveBytes();
    waitForDemo();
    // The flight runs on a profile of its own, on a level the player has reached, and gets
    // going by itself.
    EXPECT_NE(NVolant::ProfileLink::current(), player);
    const auto* game = dynamic_cast<const NVolant::Game*>(app->attract().screen());
    ASSERT_NE(game, nullptr);
    EXPECT_GE(game->field().levelNumber(), 1);
    EXPECT_LE(game->field().levelNumber(), 5);
    frames(400);
    EXPECT_EQ(app->attract().phase(), Phase::Flying);
    EXPECT_EQ(app->game(), nullptr);

    KInjection::key(VKey::Space, true);
    KInjection::key(VKey::Space, false);
    frames(1);
    EXPECT_EQ(app->attract().phase(), Phase::DemoFadingOut);
    frames(60);
    EXPECT_EQ(app->attract().phase(), Phase::Off);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_EQ(app->attract().screen(), nullptr);
    EXPECT_EQ(NVolant::ProfileLink::current(), player);
    EXPECT_EQ(getMouseX(), 124);
    EXPECT_EQ(getMouseY(), 234);
    EXPECT_TRUE(isCursorVisible());
    EXPECT_FALSE(isLeftButtonDown());
    EXPECT_FALSE(isRightButtonDown());
    // Nothing of the flight was written.
    EXPECT_EQ(saveBytes(), saved);
    EXPECT_FALSE(menuPanelOpen());
}

TEST_F(AttractModeTest, TheClickThatEndsADemoPressesNothingOnTheMenu)
{
    waitForDemo();
    frames(200);
    // Right where the menu's first choice is.
    KInjection::mouseButton(1, true, 400, 440);
    KInjection::mouseButton(1, false, 400, 440);
    frames(60);
    EXPECT_EQ(app->attract().phase(), Phase::Off);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_EQ(app->game(), nullptr);
    EXPECT_EQ(app->pending(), nullptr);
    EXPECT_FALSE(menuPanelOpen());
    // And the menu takes clicks again afterwards, and a new quiet time starts.
    frames(100);
    EXPECT_EQ(app->attract().phase(), Phase::Off);
}

TEST_F(AttractModeTest, NoDemoWhileAPanelIsOpen)
{
    auto* menu = dynamic_cast<NVolant::MainMenu*>(app->mainMenu());
    ASSERT_NE(menu, nullptr);
    frames(120);
    // The options button of the play panel, slid in.
    KInjection::mouseMove(640, 203);
    KInjection::mouseButton(1, true, 640, 203);
    KInjection::mouseButton(1, false, 640, 203);
    frames(5);
    ASSERT_NE(menu->optionsPanel(), nullptr);
    frames(static_cast<int>(AttractMode::kIdleMs / 16.666666f) + 60);
    EXPECT_EQ(app->attract().phase(), Phase::Off);
    EXPECT_EQ(app->current(), app->mainMenu());
}

} // namespace
