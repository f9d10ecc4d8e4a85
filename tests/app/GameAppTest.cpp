// The application's rules the journeys do not walk: the background and a
// machine without sound.
#include "AppFixture.h"

#include "content/AudioSystem.h"
#include "content/Sounds.h"

#include "platform/KeyTable.h"

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

using NControls::ScreenCommand;

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
