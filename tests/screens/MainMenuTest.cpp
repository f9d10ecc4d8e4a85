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
    const Frame frame = render("menu_welcome");
    // The welcome line sits centred around y 30 to 50.
    int ink = 0;
    for (int x = 200; x < 600; ++x)
        ink += frame.at(x, 40).r > 200 && frame.at(x, 40).b < 210;
    EXPECT_GT(ink, 20);

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
    // Panels wait for the play panel to leave before they show.
    const Frame sliding = render();
    settle();
    const Frame shown = render("menu_play_panel");
    EXPECT_NE(sliding.at(400, 300).r, shown.at(400, 300).r);
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
    move(gridX + 10, gridY + 20);
    EXPECT_EQ(grid.shownLevel(), 1);
    render("menu_custom_level");
    move(600, 500);
    EXPECT_EQ(grid.shownLevel(), 12);

    click(144 + 68 + 60, 172 + 196 + 19); // OK
    EXPECT_EQ(menu.getCommand(), NControls::ScreenCommand::CustomGame);
    EXPECT_EQ(menu.customLevelNumber(), 12);
    EXPECT_EQ(profiles().currentProfile()->m_customLevelNum, 12);
    frames(1);
    EXPECT_EQ(menu.customPanel(), nullptr);
}

TEST_F(MainMenuTest, AGoodGameOpensTheTopTenAtOnceWithThePlayersRowsHighlighted)
{
    withProfile("ACE");
    profiles().currentProfile()->addScore(5000);
    profiles().currentProfile()->addScore(1200);
    ASSERT_TRUE(profiles().addProfile("BOB"));
    profiles().findProfile("BOB")->addScore(3000);
    MainMenu& menu = open();
    profiles().topTenChanged = true;
    menu.setContinueEnabled(false);
    EXPECT_FALSE(profiles().topTenChanged);
    ASSERT_NE(menu.topTenPanel(), nullptr);
    EXPECT_EQ(menu.slideState(), MainMenuAnims::SlideIdle);
    frames(60);
    const Frame frame = render("menu_top_ten");
    // The panel stands at (80, 60); rows start 82 lower. ACE's rows (5000 and 1200, around BOB's
    // 3000: the profiles' test orders them) are orange, BOB's cream.
    const auto orange = [&](int row) {
        int count = 0;
        for (int x = 150; x < 300; ++x) {
            const Frame::Pixel p = frame.at(x, 60 + 82 + 30 * row + 10);
            count += p.r > 180 && p.g > 110 && p.g < 170 && p.b < 90;
        }
        return count;
    };
    EXPECT_GT(orange(0), 3);
    EXPECT_EQ(orange(1), 0);
    EXPECT_GT(orange(2), 3);

    // The close button leaves the top ten; the play panel comes back.
    const auto* close = menu.topTenPanel()->closeButton();
    click(80 + static_cast<int>(close->getCentre().x), 60 + static_cast<int>(close->getCentre().y));
    frames(1);
    EXPECT_EQ(menu.topTenPanel(), nullptr);
    EXPECT_EQ(menu.slideState(), MainMenuAnims::SlidingIn);
}

TEST_F(MainMenuTest, TheWelderFlashesAndRests)
{
    withProfile("ACE");
    NAudio::AudioSystem::create();
    NAudio::Sound* arc = NVolant::Sounds::instance()->arc();
    ASSERT_NE(arc, nullptr);
    MainMenu& menu = open();
    const MainMenuAnims& anims = menu.anims();
    bool flashed = false, rested = false, sparked = false, wasOn = false;
    for (int i = 0; i < 600; ++i) {
        frames(1);
        // The arc starts with the flash and is silenced with it.
        if (anims.flashOn() != wasOn) {
            ASSERT_EQ(arc->isPlaying(), anims.flashOn()) << "frame " << i;
        }
        wasOn = anims.flashOn();
        flashed |= wasOn;
        rested |= anims.pauseTimer() > 3000.0f;
        if (!sparked && wasOn && anims.sparks() && anims.sparks()->aliveCount() > 0)
            render("menu_welding");
        sparked |= anims.sparks() && anims.sparks()->aliveCount() > 0;
    }
    EXPECT_TRUE(flashed);
    EXPECT_TRUE(rested);
    EXPECT_TRUE(sparked);
}
