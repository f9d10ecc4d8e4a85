#include "AppFixture.h"

#include "platform/KPointer.h"
#include "platform/KeyTable.h"

#include <filesystem>

namespace {

using NVolant::AttractMode;
using Phase = NVolant::AttractMode::Phase;

// The real application with a player's profile (without one the menu insists on making one
// first), left alone on its main menu.
class AttractModeTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        std::filesystem::create_directories(home.file("Corvidane/Skyvane"));
        NVolant::Profiles profiles;
        ASSERT_TRUE(profiles.addProfile("ACE"));
        ASSERT_TRUE(profiles.selectProfile("ACE"));
        profiles.currentProfile()->m_levelMax = 5;
        profiles.m_isWindowed = 1;
        ASSERT_TRUE(profiles.save(saveFile()));
        NVolant::AppOptions options;
        options.frameCap = false;
        start(NVolant::makeDefaultScreenKit(), options);
        ASSERT_TRUE(app->started());
    }

    static int idleFrames() { return static_cast<int>(AttractMode::kIdleMs / NLib::Window::kFrameStep); }
    // Frames until the menu's quiet time has passed and the flight has faded in.
    void waitForDemo()
    {
        // The quiet time counts from the end of the menu's opening slide.
        for (int i = 0; i < idleFrames() + 120 && app->attract().phase() == Phase::Off; ++i)
            frames(1);
        ASSERT_EQ(app->attract().phase(), Phase::MenuFadingOut);
        frames(30);
        ASSERT_EQ(app->attract().phase(), Phase::Flying);
        ASSERT_NE(app->attract().screen(), nullptr);
        ASSERT_EQ(app->current(), app->attract().screen());
    }
    // The demonstration ended by the player: the menu back as it was, nothing on it pressed.
    void expectMenuBack()
    {
        EXPECT_EQ(app->attract().phase(), Phase::Off);
        EXPECT_EQ(app->current(), app->mainMenu());
        EXPECT_EQ(app->attract().screen(), nullptr);
        EXPECT_EQ(app->game(), nullptr);
        EXPECT_EQ(app->pending(), nullptr);
        EXPECT_EQ(menu().activePanel(), nullptr);
        EXPECT_TRUE(isCursorVisible());
        EXPECT_FALSE(isLeftButtonDown());
        EXPECT_FALSE(isRightButtonDown());
    }
};

} // namespace

TEST_F(AttractModeTest, AnIdleMenuFliesADemoWithItsOwnProfileThatAnyInputEnds)
{
    // No demonstration while a panel is open: the options, slid in.
    frames(120);
    click(spot::kOptions);
    frames(5);
    ASSERT_NE(menu().optionsPanel(), nullptr);
    frames(idleFrames() + 60);
    EXPECT_EQ(app->attract().phase(), Phase::Off);
    click(spot::kOptionsBack);

    // Input restarts the quiet time.
    NVolant::ProfileLink* player = NVolant::ProfileLink::current();
    ASSERT_NE(player, nullptr);
    KInjection::mouseMove(123, 234);
    frames(idleFrames() - 10);
    KInjection::mouseMove(124, 234);
    frames(20);
    EXPECT_EQ(app->attract().phase(), Phase::Off);
    EXPECT_EQ(app->current(), app->mainMenu());

    const std::string saved = home.read("Corvidane/Skyvane/save.dat");
    waitForDemo();
    // The flight runs on a profile of its own, on a level the player has reached, and gets
    // going by itself.
    EXPECT_NE(NVolant::ProfileLink::current(), player);
    const auto* demo = dynamic_cast<const NVolant::Game*>(app->attract().screen());
    ASSERT_NE(demo, nullptr);
    EXPECT_GE(demo->field().levelNumber(), 1);
    EXPECT_LE(demo->field().levelNumber(), 5);
    frames(400);
    EXPECT_EQ(app->attract().phase(), Phase::Flying);
    EXPECT_EQ(app->game(), nullptr);

    // A key ends it: the menu fades back with the player's profile and pointer.
    KInjection::key(VKey::Space, true);
    KInjection::key(VKey::Space, false);
    frames(1);
    EXPECT_EQ(app->attract().phase(), Phase::DemoFadingOut);
    frames(60);
    expectMenuBack();
    EXPECT_EQ(NVolant::ProfileLink::current(), player);
    EXPECT_EQ(getMouseX(), 124);
    EXPECT_EQ(getMouseY(), 234);
    // Nothing of the flight was written.
    EXPECT_EQ(home.read("Corvidane/Skyvane/save.dat"), saved);

    // A click right where the menu's first choice is ends the next one, and presses nothing.
    waitForDemo();
    frames(200);
    KInjection::mouseButton(1, true, 400, 440);
    KInjection::mouseButton(1, false, 400, 440);
    frames(60);
    expectMenuBack();
    // And a new quiet time starts.
    frames(100);
    EXPECT_EQ(app->attract().phase(), Phase::Off);
}
