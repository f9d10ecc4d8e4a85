#include "screens/HintWnd.h"
#include "screens/OptionsPanel.h"

#include "ScreenFixture.h"

namespace {

using NVolant::HintWnd;
using NVolant::OptionsPanel;

class OptionsTest : public ScreenFixture {
protected:
    // The options panel centred on the menu, at (240, 100).
    OptionsPanel& openOptions()
    {
        m_menu.setSize(800, 600);
        m_options = std::make_unique<OptionsPanel>(&m_menu);
        NVolant::Panel::centreOn(*m_options, m_menu);
        screen = m_options.get();
        return *m_options;
    }
    void TearDown() override
    {
        screen = nullptr;
        m_options.reset();
        ScreenFixture::TearDown();
    }
    NControls::Control m_menu;
    std::unique_ptr<OptionsPanel> m_options;
};

} // namespace

TEST_F(OptionsTest, ThePanelsWidgetsSitWhereItsPicturePaintsThem)
{
    OptionsPanel& panel = openOptions();
    EXPECT_EQ(panel.getPosition(), Vector4(240, 100, 0, 1));
    EXPECT_EQ(panel.okButton()->getPosition(), Vector4(100, 330, 0, 1));
    EXPECT_EQ(panel.fullScreenBox()->getCentre(), Vector4(53, 91, 0, 1));
    EXPECT_EQ(panel.stereoBox()->getCentre(), Vector4(53, 130, 0, 1));
    EXPECT_EQ(panel.hintsBox()->getCentre(), Vector4(53, 169, 0, 1));
    EXPECT_EQ(panel.soundSlider()->getPosition(), Vector4(69, 298, 0, 1));
    EXPECT_EQ(panel.musicSlider()->getPosition(), Vector4(69, 233, 0, 1));
    EXPECT_EQ(panel.soundSlider()->getWidth(), 178);
    EXPECT_EQ(panel.soundSlider()->getMaximum(), 100);
    render("options");
    click(240 + 160, 100 + 330 + 19);
    EXPECT_EQ(panel.getCommand(), "MAIN_MENU");
}

TEST_F(OptionsTest, TheFullScreenBoxShowsTheModeTheWindowIsReallyIn)
{
    host.switchWorks = false;
    OptionsPanel& panel = openOptions();
    EXPECT_FALSE(panel.fullScreenBox()->isChecked());
    click(240 + 53, 100 + 91);
    EXPECT_EQ(host.calls, std::vector<std::string>{"full screen"});
    EXPECT_FALSE(panel.fullScreenBox()->isChecked());

    host.switchWorks = true;
    click(240 + 53, 100 + 91);
    EXPECT_TRUE(panel.fullScreenBox()->isChecked());
    click(240 + 53, 100 + 91);
    EXPECT_FALSE(panel.fullScreenBox()->isChecked());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"full screen", "full screen", "windowed"}));
}

TEST_F(OptionsTest, TheHintsBoxEditsTheCurrentProfileOnly)
{
    OptionsPanel& panel = openOptions();
    EXPECT_FALSE(panel.hintsBox()->isChecked());
    click(240 + 53, 100 + 169); // no profile: the box turns, nothing else happens
    EXPECT_TRUE(panel.hintsBox()->isChecked());
    m_options.reset();

    ASSERT_TRUE(profiles().addProfile("ACE"));
    profiles().selectProfile("ACE");
    OptionsPanel& again = openOptions();
    EXPECT_TRUE(again.hintsBox()->isChecked());
    click(240 + 53, 100 + 169);
    EXPECT_FALSE(profiles().currentProfile()->m_isShowHints);
}

TEST_F(OptionsTest, TheHintWindowKeepsTheChoiceInItsProfileAndCloses)
{
    ASSERT_TRUE(profiles().addProfile("ACE"));
    NVolant::Profile* profile = profiles().findProfile("ACE");
    HintWnd hints(profile);
    screen = &hints;
    EXPECT_EQ(hints.closeButton()->getPosition(), Vector4(650, 550, 0, 1));
    EXPECT_EQ(hints.hintsBox()->getPosition(), Vector4(30, 540, 0, 1));
    EXPECT_TRUE(hints.hintsBox()->isChecked());
    render("hint_window");
    const Vector4 box = hints.hintsBox()->getCentre();
    click(static_cast<int>(box.x), static_cast<int>(box.y));
    EXPECT_FALSE(profile->m_isShowHints);
    EXPECT_FALSE(hints.isClosed());
    click(710, 569);
    EXPECT_TRUE(hints.isClosed());

    // Without a profile the box is only a box.
    HintWnd anonymous(nullptr);
    screen = &anonymous;
    EXPECT_FALSE(anonymous.hintsBox()->isChecked());
    click(static_cast<int>(box.x), static_cast<int>(box.y));
    EXPECT_TRUE(anonymous.hintsBox()->isChecked());
    EXPECT_FALSE(profile->m_isShowHints);
}
