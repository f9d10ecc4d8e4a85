// The application's rules the journeys do not walk: the intro's two fades, the game music's turns,
// stray commands, the background and a machine without sound.
#include "AppFixture.h"

#include "content/AudioSystem.h"
#include "content/Sounds.h"

#include "platform/KeyTable.h"

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

using NControls::Control;
using NControls::ScreenCommand;

// An intro that uncovers in four frames and cross-fades in four more, counting its frames, before
// a menu that is only a menu.
class IntroKit final : public NVolant::ScreenKit {
public:
    explicit IntroKit(int& frames) : m_frames(frames) {}
    std::unique_ptr<Control> makeIntro() override { return std::make_unique<Intro>(*this); }
    float introFade(Control&) override { return m_fade; }
    void startIntroCrossFade(Control&) override { m_crossFading = true; }
    std::unique_ptr<Control> makeMainMenu() override { return std::make_unique<Control>(); }

private:
    class Intro final : public Control {
    public:
        explicit Intro(IntroKit& kit) : m_kit(kit) {}
        void update(float) override
        {
            ++m_kit.m_frames;
            m_kit.m_fade += m_kit.m_crossFading ? 0.25f : -0.25f;
        }

    private:
        IntroKit& m_kit;
    };

    int& m_frames;
    float m_fade = 1.0f;
    bool m_crossFading = false;
};

// The real game, for a player who has switched the hint window off.
class GameAppTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        std::filesystem::create_directories(home.file("Corvidane/Skyvane"));
        NVolant::Profiles profiles;
        ASSERT_TRUE(profiles.addProfile("ACE"));
        profiles.currentProfile()->m_isShowHints = false;
        ASSERT_TRUE(profiles.save(saveFile()));
    }
    // A click on the menu after it left a command.
    void choose(ScreenCommand command)
    {
        app->mainMenu()->setCommand(command);
        app->onLeftButtonUp(400, 300);
    }
    // A new game, shown once the menu has slid away.
    void play()
    {
        choose(ScreenCommand::NewGame);
        runUntil([this] { return app->current() == app->game(); }, 60);
        ASSERT_NE(game(), nullptr);
        ASSERT_EQ(app->current(), game());
    }
};

} // namespace

TEST_F(GameAppTest, TheIntroRevealsThenCrossFadesAndIsGone)
{
    int frames = 0;
    start(std::make_unique<IntroKit>(frames));
    // 1 -> 0 in four frames, back to 1 in four more.
    EXPECT_EQ(frames, 8);
    EXPECT_EQ(app->current(), app->mainMenu());
}

TEST_F(GameAppTest, EachGameTakesTheNextOfFourTracks)
{
    start();
    std::vector<std::string> tracks;
    for (int i = 0; i < 5; ++i) {
        play();
        tracks.push_back(app->music()->tracks().at(0));
        app->onKeyDown(VKey::Escape);
        EXPECT_EQ(app->music()->tracks(), std::vector<std::string>{"sounds/music_menu1.ogg"});
    }
    EXPECT_EQ(tracks, (std::vector<std::string>{"sounds/music_game1.ogg", "sounds/music_game2.ogg",
                                                "sounds/music_game3.ogg", "sounds/music_game4.ogg",
                                                "sounds/music_game1.ogg"}));
}

TEST_F(GameAppTest, ACommandThatIsNotTheMenusIsCleared)
{
    start();
    choose(ScreenCommand::Continue);
    EXPECT_EQ(app->mainMenu()->getCommand(), ScreenCommand::None);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_EQ(app->game(), nullptr);
    EXPECT_FALSE(app->platformWindow()->isQuitRequested());
}
TEST_F(GameAppTest, TheBackgroundPausesAudioAndTheLoop)
{
    start();
    NAudio::AudioSystem* audio = NAudio::AudioSystem::existing();
    ASSERT_NE(audio, nullptr);
    app->onDeactivate();
    EXPECT_TRUE(audio->isPaused());
    app->onActivate();
    EXPECT_FALSE(audio->isPaused());

    const double before = getMilliseconds();
    KInjection::focus(false);
    // A minute in the background, then back; the frame blocks until then.
    std::thread user([audio] {
        // Only once the frame has gone into the background (it pauses the audio on the way):
        // on a busy machine the frame may take a while to get there.
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!audio->isPaused() && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        advanceManualClock(60000);
        KInjection::focus(true);
    });
    app->frame();
    user.join();
    EXPECT_FALSE(audio->isPaused());
    EXPECT_LT(getMilliseconds() - before, 40.0);
}

TEST_F(GameAppTest, WithoutAnAudioDeviceTheGameRunsTheSameSilently)
{
    const char* old = std::getenv("SDL_AUDIODRIVER");
    const std::string previous = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    start();
    ASSERT_TRUE(app->started());
    NAudio::AudioSystem* audio = NAudio::AudioSystem::existing();
    ASSERT_NE(audio, nullptr);
    EXPECT_FALSE(audio->deviceOk());
    EXPECT_EQ(NVolant::Sounds::existing()->arc(), nullptr);
    EXPECT_EQ(app->music()->tracks(), std::vector<std::string>{"sounds/music_menu1.ogg"});
    EXPECT_FALSE(app->music()->isPlaying());

    play();
    EXPECT_EQ(app->music()->tracks(), std::vector<std::string>{"sounds/music_game1.ogg"});
    app->onDeactivate();
    app->onActivate();
    app->onKeyDown(VKey::Escape);
    EXPECT_EQ(app->current(), app->mainMenu());
    app.reset();
    setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
}
