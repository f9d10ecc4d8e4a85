#include "screens/PlayGamePanel.h"

#include "ScreenFixture.h"

namespace {

using NVolant::PlayGamePanel;

class PanelsTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        PlayGamePanel::forgetMadeBefore();
        owner.setSize(800, 600);
    }
    // The main menu's stand-in.
    NControls::Control owner;
};

} // namespace

// Without a game there is no continue button: the journey's new player finds none.
TEST_F(PanelsTest, ThePlayPanelOffersTheSavedGameFirstAndTheGameInHandLater)
{
    PlayGamePanel first(&owner, true);
    NVolant::Panel::centreOn(first, owner);
    screen = &first;
    const Frame saved = render("play_panel_saved");

    PlayGamePanel later(&owner, true);
    NVolant::Panel::centreOn(later, owner);
    screen = &later;
    const Frame inHand = render("play_panel_later");
    EXPECT_GT(differences(saved, inHand, 290, 160, 510, 206), 1000); // "CONTINUE SAVED" against "CONTINUE"
}
