#include "screens/ChangeProfile.h"
#include "screens/CreateProfile.h"

#include "ScreenFixture.h"

namespace {

using NVolant::ChangeProfile;
using NVolant::CreateProfile;

class ProfileScreensTest : public ScreenFixture {
protected:
    // The main menu's stand-in: 800 x 600 at the origin.
    void SetUp() override
    {
        ScreenFixture::SetUp();
        m_menu.setSize(800, 600);
        m_menu.setPosition(0, 0);
    }
    // A panel centred on the menu: the change panel at (260, 100), the create panel at (144, 172).
    template <class Panel> Panel& open(std::unique_ptr<Panel>& slot)
    {
        slot = std::make_unique<Panel>(&m_menu);
        NVolant::Panel::centreOn(*slot, m_menu);
        screen = slot.get();
        return *slot;
    }
    void addProfiles(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            ASSERT_TRUE(profiles().addProfile(name));
    }
    static int rowY(int row) { return 150 + 18 * row + 9; }
    void TearDown() override
    {
        screen = nullptr;
        m_change.reset();
        m_create.reset();
        ScreenFixture::TearDown();
    }
    // Buttons of panels at (144, 172): OK / CREATE and CANCEL.
    void clickLeftButton() { click(144 + 68 + 60, 172 + 196 + 19); }
    void clickRightButton() { click(144 + 324 + 60, 172 + 196 + 19); }
    void clickBack() { click(144 + 330 + 50, 172 + 140 + 16); }
    // The change panel's DELETE and CANCEL.
    void clickDelete() { click(340 + 60, 390 + 19); }
    void clickCancel() { click(405 + 60, 430 + 19); }
    // A row deleted through the question's OK.
    void deleteRow(int row)
    {
        click(380, rowY(row));
        clickDelete();
        clickLeftButton();
        frames(1);
    }

    NControls::Control m_menu;
    std::unique_ptr<ChangeProfile> m_change;
    std::unique_ptr<CreateProfile> m_create;
};

} // namespace

TEST_F(ProfileScreensTest, TheListShowsEveryProfileUnderTheCreateEntryWithTheCurrentOneChosen)
{
    addProfiles({"ACE", "BOB", "CID"});
    profiles().selectProfile("BOB");
    ChangeProfile& panel = open(m_change);
    EXPECT_EQ(panel.list()->items(), (std::vector<std::string>{"Create a new user", "ACE", "BOB", "CID"}));
    EXPECT_EQ(panel.list()->getSelected(), 2);
    EXPECT_TRUE(panel.deleteButton()->isActive());
    render("change_profile");

    // OK on the create entry does nothing; choosing it opens the create panel and switches DELETE off.
    panel.list()->setSelected(0);
    panel.onCommand(panel.okButton());
    EXPECT_EQ(panel.getCommand(), NControls::ScreenCommand::None);
    click(380, rowY(0));
    ASSERT_NE(panel.createPanel(), nullptr);
    EXPECT_FALSE(panel.deleteButton()->isActive());
    // The create panel takes every click: DELETE underneath is not heard.
    clickDelete();
    EXPECT_EQ(panel.confirmPanel(), nullptr);
    clickRightButton(); // CANCEL of the create panel
    frames(1);
    EXPECT_EQ(panel.createPanel(), nullptr);
    EXPECT_EQ(panel.list()->getSelected(), 2); // back on the current profile
    EXPECT_TRUE(host.calls.empty());

    // Another profile, then OK: the game in hand goes, the new profile's comes.
    click(380, rowY(3));
    EXPECT_EQ(panel.list()->getSelectedText(), "CID");
    click(270 + 60, 430 + 19);
    EXPECT_EQ(panel.getCommand(), NControls::ScreenCommand::MainMenu);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"discard game", "prepare continue"}));
    EXPECT_EQ(profiles().currentProfile()->name(), "CID");
}

// The question darkens the list until it is answered; deleting another profile keeps the player,
// deleting the current one hands over to the next, and deleting the last opens the create panel.
TEST_F(ProfileScreensTest, DeletingKeepsOrChangesThePlayerAndTheLastOpensTheCreatePanel)
{
    addProfiles({"ACE", "BOB", "CID"});
    profiles().selectProfile("BOB");
    ChangeProfile& panel = open(m_change);
    click(380, rowY(1));
    clickDelete();
    ASSERT_NE(panel.confirmPanel(), nullptr);
    frames(60);
    EXPECT_GT(panel.overlayAlpha(), 0.5f);
    render("change_profile_delete_question");
    clickRightButton(); // CANCEL: nothing is deleted
    frames(1);
    EXPECT_EQ(panel.confirmPanel(), nullptr);
    EXPECT_EQ(profiles().profileCount(), 3u);
    frames(60);
    EXPECT_EQ(panel.overlayAlpha(), 0.0f);

    deleteRow(1); // ACE
    EXPECT_EQ(profiles().currentProfile()->name(), "BOB");
    EXPECT_EQ(panel.list()->getSelectedText(), "BOB");
    clickCancel(); // BOB's game in hand stays
    EXPECT_EQ(panel.getCommand(), NControls::ScreenCommand::MainMenu);
    EXPECT_TRUE(host.calls.empty());

    deleteRow(1); // BOB: CID now stands where BOB stood, and the game in hand was BOB's
    ASSERT_NE(profiles().currentProfile(), nullptr);
    EXPECT_EQ(profiles().currentProfile()->name(), "CID");
    EXPECT_EQ(panel.list()->items(), (std::vector<std::string>{"Create a new user", "CID"}));
    clickCancel();
    EXPECT_EQ(host.calls, std::vector<std::string>{"prepare continue"});

    deleteRow(1);
    EXPECT_EQ(profiles().profileCount(), 0u);
    EXPECT_EQ(panel.list()->items(), std::vector<std::string>{"Create a new user"});
    ASSERT_NE(panel.createPanel(), nullptr);
    EXPECT_FALSE(panel.createPanel()->cancelButton()->isActive());
    render("change_profile_create");
}

// Fourteen characters at most, BACK on an empty name does nothing, and a name that is taken
// cannot be created.
TEST_F(ProfileScreensTest, TheNameKeyboardTypesAFreeNameOfFourteenCharactersAtMost)
{
    addProfiles({"ACE"});
    CreateProfile& panel = open(m_create);
    EXPECT_TRUE(panel.cancelButton()->isActive());
    EXPECT_FALSE(panel.okButton()->isActive());
    clickBack();
    EXPECT_EQ(panel.typedName(), "");
    typeName("QWERTYUIOPASDFG", 144, 172);
    EXPECT_EQ(panel.typedName(), "QWERTYUIOPASDF");
    EXPECT_TRUE(panel.okButton()->isActive());
    render("create_profile");
    for (int i = 0; i < 14; ++i)
        clickBack();

    typeName("ACE", 144, 172);
    EXPECT_FALSE(panel.okButton()->isActive());
    clickLeftButton();
    EXPECT_EQ(panel.getCommand(), NControls::ScreenCommand::None);
    typeName("S", 144, 172);
    EXPECT_TRUE(panel.okButton()->isActive());
    clickBack();
    EXPECT_EQ(panel.typedName(), "ACE");
    EXPECT_FALSE(panel.okButton()->isActive());
    typeName("2", 144, 172);
    clickLeftButton();
    EXPECT_EQ(panel.getCommand(), NControls::ScreenCommand::MainMenu);
    EXPECT_EQ(profiles().currentProfile()->name(), "ACE2");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"discard game", "prepare continue"}));
}
