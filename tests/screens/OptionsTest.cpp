#include "content/AudioSystem.h"
#include "content/Sounds.h"
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
        NVolant::Sounds::destroy();
        NAudio::AudioSystem::destroy();
        ScreenFixture::TearDown();
    }
    // Drags a slider's thumb (absolute centre x) along its row to x.
    void drag(int fromX, int y, int toX)
    {
        press(fromX, y);
        move((fromX + toX) / 2, y);
        move(toX, y);
        release(toX, y);
    }
    NControls::Control m_menu;
    std::unique_ptr<OptionsPanel> m_options;
};

} // namespace

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
    render("options");
}

TEST_F(OptionsTest, TheHintWindowKeepsTheChoiceInItsProfile)
{
    ASSERT_TRUE(profiles().addProfile("ACE"));
    NVolant::Profile* profile = profiles().findProfile("ACE");
    HintWnd hints(profile);
    screen = &hints;
    EXPECT_TRUE(hints.hintsBox()->isChecked());
    render("hint_window");
    const Vector4 box = hints.hintsBox()->getCentre();
    click(static_cast<int>(box.x), static_cast<int>(box.y));
    EXPECT_FALSE(profile->m_isShowHints);
    EXPECT_FALSE(hints.isClosed());
}

TEST_F(OptionsTest, TheSlidersSetTheVolumesAndTheMusicComesBackWithTheMenuTheme)
{
    // The audio system on the headless driver with every sound loaded, as the game has them.
    NAudio::AudioSystem& system = *NAudio::AudioSystem::create();
    NVolant::Sounds::instance();
    ASSERT_NE(NVolant::Sounds::existing()->helicExplode(), nullptr) << "no audio device on the headless driver";
    system.setStreamVolume(40);
    system.setSoundVolume(80);
    system.setInvertStereo(true);
    OptionsPanel& panel = openOptions();
    EXPECT_EQ(panel.musicSlider()->getValue(), 40);
    EXPECT_EQ(panel.soundSlider()->getValue(), 80);
    EXPECT_TRUE(panel.stereoBox()->isChecked());

    // The music row: the bar starts at x 240 + 69, its thumb at 40 % of 178.
    const int left = 240 + 69, y = 100 + 233 + 13;
    drag(left + 71, y, left - 30);
    EXPECT_EQ(system.streamVolume(), 0);
    EXPECT_FALSE(system.streamsEnabled());
    EXPECT_TRUE(host.calls.empty());
    drag(left, y, left + 89);
    EXPECT_EQ(system.streamVolume(), 50);
    EXPECT_TRUE(system.streamsEnabled());
    EXPECT_EQ(host.calls, std::vector<std::string>{"menu music"});
    // Moving it while it plays does not restart it; nor does the music play the test sound.
    drag(left + 89, y, left + 178);
    EXPECT_EQ(system.streamVolume(), 100);
    EXPECT_EQ(host.calls.size(), 1u);
    EXPECT_FALSE(NVolant::Sounds::existing()->helicExplode()->isPlaying());

    click(240 + 53, 100 + 130);
    EXPECT_FALSE(system.invertStereo());

    // The sound row, from 80 %: off at zero while dragged, and the test sound once on release.
    const int soundY = 100 + 298 + 13;
    press(left + 142, soundY);
    move(left + 120, soundY);
    EXPECT_FALSE(NVolant::Sounds::existing()->helicExplode()->isPlaying());
    move(left - 20, soundY);
    EXPECT_EQ(system.soundVolume(), 0);
    EXPECT_FALSE(system.soundsEnabled());
    move(left + 89, soundY);
    release(left + 89, soundY);
    EXPECT_EQ(panel.soundSlider()->getValue(), 50);
    EXPECT_EQ(system.soundVolume(), 50);
    EXPECT_TRUE(system.soundsEnabled());
    EXPECT_TRUE(NVolant::Sounds::existing()->helicExplode()->isPlaying());
}
