#include "content/AudioSystem.h"
#include "content/Sounds.h"
#include "screens/MainMenu.h"

#include "ScreenFixture.h"
#include "support/TempDir.h"

namespace {

using NVolant::MainMenu;
using NVolant::MainMenuAnims;

class MainMenuTest : public ScreenFixture {
protected:
    MainMenu& open()
    {
        m_menu = std::make_unique<MainMenu>();
        screen = m_menu.get();
        return *m_menu;
    }
    // Frames until the play panel stops sliding.
    void settle()
    {
        for (int i = 0; i < 60 && m_menu->slideState() != MainMenuAnims::SlideIdle; ++i)
            frames(1);
    }
    void withProfile(const std::string& name)
    {
        ASSERT_TRUE(profiles().addProfile(name));
        ASSERT_TRUE(profiles().selectProfile(name));
    }
    void TearDown() override
    {
        m_menu.reset();
        NVolant::Sounds::destroy();
        NAudio::AudioSystem::destroy();
        ScreenFixture::TearDown();
    }
    std::unique_ptr<MainMenu> m_menu;
};

} // namespace

// A save file that could not be read is told once, over the name panel a player without a profile
// sees first.
TEST_F(MainMenuTest, WithoutAProfileTheMenuAsksForANameFirstAfterTellingOfASaveFileSetAside)
{
    const TempDir folder;
    folder.write("save.dat", "not a save file");
    ASSERT_TRUE(profiles().load(folder.file("save.dat")));
    MainMenu& menu = open();
    ASSERT_NE(menu.messagePanel(), nullptr);
    EXPECT_TRUE(menu.messagePanel()->isNotice());
    const std::string& text = menu.messagePanel()->text();
    EXPECT_NE(text.find("save.dat.bad\nin " + folder.path()), std::string::npos) << text;
    ASSERT_NE(menu.createPanel(), nullptr);
    EXPECT_EQ(menu.activePanel(), menu.messagePanel());
    EXPECT_EQ(menu.slideState(), MainMenuAnims::SlidingOut);
    frames(40);
    render("menu_save_set_aside");
    click(144 + 196 + 60, 172 + 196 + 19); // OK
    frames(1);
    EXPECT_EQ(menu.messagePanel(), nullptr);
    EXPECT_EQ(menu.getCommand(), NControls::ScreenCommand::None);
    EXPECT_EQ(menu.activePanel(), menu.createPanel());
    render("menu_first_start");

    typeName("ACE7", 144, 172);
    click(144 + 68 + 60, 172 + 196 + 19); // CREATE
    ASSERT_NE(profiles().currentProfile(), nullptr);

    // The next update closes the panel and the play panel slides in.
    frames(1);
    EXPECT_EQ(menu.createPanel(), nullptr);
    EXPECT_EQ(menu.slideState(), MainMenuAnims::SlidingIn);
    settle();
    frames(60); // the dark clears
    render("menu_welcome");

    m_menu.reset();
    EXPECT_EQ(open().messagePanel(), nullptr);
}

TEST_F(MainMenuTest, TheColumnOpensPagesAndPanelsAnOpenPanelTakesEveryClick)
{
    withProfile("ACE");
    host.fullScreen = true;
    MainMenu& menu = open();
    menu.setContinueEnabled(true);
    menu.replayOpening();
    settle();
    // More games opens the web page, leaving full screen first.
    click(640, 323);
    click(640, 323);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"windowed", std::string("open ") + MainMenu::kWebPage,
                                                    std::string("open ") + MainMenu::kWebPage}));

    click(640, 383); // exit
    ASSERT_NE(menu.messagePanel(), nullptr);
    EXPECT_EQ(menu.slideState(), MainMenuAnims::SlidingOut);
    // The options button under the pointer is not heard while the question is open.
    click(640, 203);
    EXPECT_EQ(menu.optionsPanel(), nullptr);
    frames(50);
    render("menu_exit_question");
    // CANCEL closes the question and brings the play panel back.
    click(144 + 324 + 60, 172 + 196 + 19);
    EXPECT_EQ(menu.getCommand(), NControls::ScreenCommand::None);
    frames(1);
    EXPECT_EQ(menu.messagePanel(), nullptr);
    EXPECT_EQ(menu.slideState(), MainMenuAnims::SlidingIn);
    settle();

    click(640, 143);
    ASSERT_NE(menu.playPanel(), nullptr);
    EXPECT_TRUE(menu.playPanel()->continueButton()->isVisible());
    settle();
    render("menu_play_panel");
    click(400, 240 + 23); // NEW GAME
    EXPECT_EQ(menu.getCommand(), NControls::ScreenCommand::NewGame);
    frames(1);
    EXPECT_EQ(menu.playPanel(), nullptr);
    EXPECT_EQ(menu.slideState(), MainMenuAnims::SlideIdle); // no slide back before the game
}

TEST_F(MainMenuTest, TheCustomLevelGridOffersOnlyTheLevelsReached)
{
    withProfile("ACE");
    profiles().currentProfile()->m_levelMax = 12;
    profiles().currentProfile()->m_customLevelNum = 4;
    MainMenu& menu = open();
    menu.replayOpening();
    settle();
    click(640, 143);
    settle();
    click(400, 320 + 23); // CHOOSE LEVEL
    EXPECT_EQ(menu.getCommand(), NControls::ScreenCommand::None);
    ASSERT_NE(menu.customPanel(), nullptr);
    NVolant::CustomLevel& grid = *menu.customPanel();
    frames(1);
    EXPECT_EQ(menu.playPanel(), nullptr);
    EXPECT_EQ(grid.selectedLevel(), 4);

    // Level 13 (row 1, column 2) lies beyond the profile: a click there keeps level 4.
    const int gridX = 144 + 50, gridY = 172 + 70;
    click(gridX + 2 * 45 + 10, gridY + 40 + 20);
    EXPECT_EQ(grid.selectedLevel(), 4);
    // Level 12 (row 1, column 1) can be chosen; between rows nothing changes.
    click(gridX + 45 + 10, gridY + 40 + 20);
    EXPECT_EQ(grid.selectedLevel(), 12);
    click(gridX + 10, gridY + 40);
    EXPECT_EQ(grid.selectedLevel(), 12);
    render("menu_custom_level");

    click(144 + 68 + 60, 172 + 196 + 19); // OK
    EXPECT_EQ(menu.getCommand(), NControls::ScreenCommand::CustomGame);
    EXPECT_EQ(menu.customLevelNumber(), 12);
    EXPECT_EQ(profiles().currentProfile()->m_customLevelNum, 12);
    frames(1);
    EXPECT_EQ(menu.customPanel(), nullptr);
}
