#include "screens/PlayGamePanel.h"
#include "screens/ShadowText.h"
#include "screens/Top10Panel.h"
#include "platform/KGraphic.h"
#include "ui/WidgetImage.h"

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

TEST_F(PanelsTest, TheTopTenSaysEmptyOnRowsWithoutAScore)
{
    ASSERT_TRUE(profiles().addProfile("ACE"));
    ASSERT_TRUE(profiles().selectProfile("ACE"));
    profiles().currentProfile()->addScore(5000);
    NVolant::Top10Panel panel;
    screen = &panel;
    ASSERT_EQ(panel.entries().size(), 10u);
    ASSERT_EQ(panel.entries()[1].score, 0u);
    const Frame frame = render("top_ten_empty_rows");

    // What a row's band shows: the panel's background with only this row's two texts.
    const float width = static_cast<float>(panel.getWidth());
    const auto row = [&](int i, const std::string& name, const std::string& score) {
        auto background = NControls::loadWidgetImage("menu\\640x480.png");
        const NVolant::TextColour cream{0.89411765f, 0.89411765f, 0.74509805f, 1.0f};
        const float top = 82.0f + 30.0f * static_cast<float>(i);
        platform->beginFrame();
        background->blendImageRect(0, 0, background->getWidth(), background->getHeight(), 0, 0);
        NVolant::drawShadowText(NVolant::menuFont(), name, 20, 70, top, cream);
        NVolant::drawShadowTextRight(NVolant::menuFont(), score, 20, width - 70, top, cream);
        platform->endFrame();
        return platform->readFrame();
    };
    const auto band = [&](const Frame& expected, int i) {
        return differences(frame, expected, 40, 82 + 30 * i + 2, static_cast<int>(width) - 40, 82 + 30 * i + 28);
    };
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(band(row(i, "Empty", "0"), i), 0) << "row " << i;
    // A scored row is not one of them.
    EXPECT_GT(band(row(0, "Empty", "0"), 0), 50);
}
