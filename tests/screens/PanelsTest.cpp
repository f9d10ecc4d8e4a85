#include "screens/MessagePanel.h"
#include "screens/PlayGamePanel.h"

#include "ScreenFixture.h"

namespace {

using NVolant::MessagePanel;
using NVolant::PlayGamePanel;

// An owner that keeps the results its panels told it, in order.
class Owner final : public NControls::Control {
public:
    Owner()
    {
        setSize(800, 600);
        setPosition(0, 0);
    }
    void onCommand(NControls::Control* sender) override { heard.push_back(sender->getCommand()); }
    std::vector<std::string> heard;
};

class PanelsTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        PlayGamePanel::forgetMadeBefore();
    }
    Owner owner;
};

} // namespace

TEST_F(PanelsTest, TheMessagePanelAnswersOkOrCancelToItsOwner)
{
    MessagePanel panel("Are you sure you want to\n     quit the game?", &owner);
    NVolant::Panel::centreOn(panel, owner);
    screen = &panel;
    ASSERT_EQ(panel.getWidth(), 512);
    ASSERT_EQ(panel.getHeight(), 256);
    EXPECT_EQ(panel.getPosition(), Vector4(144, 172, 0, 1));
    // 120-wide buttons centred in each half, 60 from the bottom.
    EXPECT_EQ(panel.okButton()->getPosition(), Vector4(68, 196, 0, 1));
    EXPECT_EQ(panel.cancelButton()->getPosition(), Vector4(324, 196, 0, 1));
    render("message_panel");

    click(144 + 68 + 60, 172 + 196 + 19);
    EXPECT_EQ(panel.getCommand(), "OK");
    click(144 + 324 + 60, 172 + 196 + 19);
    EXPECT_EQ(panel.getCommand(), "CANCEL");
    EXPECT_EQ(owner.heard, (std::vector<std::string>{"OK", "CANCEL"}));
}

TEST_F(PanelsTest, ThePlayPanelOffersTheSavedGameFirstAndTheGameInHandLater)
{
    PlayGamePanel first(&owner, true);
    NVolant::Panel::centreOn(first, owner);
    screen = &first;
    EXPECT_EQ(first.getPosition(), Vector4(260, 100, 0, 1));
    EXPECT_EQ(first.continueButton()->getPosition(), Vector4(30, 60, 0, 1));
    EXPECT_EQ(first.newGameButton()->getPosition(), Vector4(30, 140, 0, 1));
    EXPECT_EQ(first.customGameButton()->getPosition(), Vector4(30, 220, 0, 1));
    EXPECT_EQ(first.cancelButton()->getPosition(), Vector4(80, 330, 0, 1));
    const Frame saved = render("play_panel_saved");

    PlayGamePanel later(&owner, true);
    NVolant::Panel::centreOn(later, owner);
    screen = &later;
    const Frame inHand = render("play_panel_later");
    int differ = 0;
    for (int y = 160; y < 206; ++y)
        for (int x = 290; x < 510; ++x)
            differ += std::abs(saved.at(x, y).r - inHand.at(x, y).r) > 30;
    EXPECT_GT(differ, 200); // "CONTINUE SAVED" against "CONTINUE"

    // Each choice is told to the owner at once, but cancelling only leaves its result.
    click(400, 160 + 23);
    click(400, 240 + 23);
    click(400, 320 + 23);
    EXPECT_EQ(owner.heard, (std::vector<std::string>{"CONTINUE_GAME", "NEW_GAME", "OPEN_CUSTOM_LEVEL"}));
    click(400, 430 + 19);
    EXPECT_EQ(later.getCommand(), "MAIN_MENU");
    EXPECT_EQ(owner.heard.size(), 3u);
}

TEST_F(PanelsTest, WithoutAGameToContinueThereIsNoContinueButton)
{
    PlayGamePanel panel(&owner, false);
    NVolant::Panel::centreOn(panel, owner);
    screen = &panel;
    EXPECT_FALSE(panel.continueButton()->isVisible());
    click(400, 160 + 23);
    EXPECT_TRUE(owner.heard.empty());
    EXPECT_EQ(panel.getCommand(), "");
    render("play_panel_no_continue");
}
