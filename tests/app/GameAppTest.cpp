// The application's rules against stand-in screens: what it asks of its screen kit and when.
// The whole game as a player meets it is walked in the journeys.
#include "AppFixture.h"

#include "content/AudioSystem.h"
#include "content/Sounds.h"

#include "platform/KPointer.h"
#include "platform/KeyTable.h"

#include <chrono>
#include <thread>
#include <vector>

namespace {

using NControls::Control;
using NControls::ScreenCommand;

// The record of everything the application asked of its screens.
struct Script {
    std::vector<std::string> calls;
    int gamesAlive = 0;
    NVolant::FieldStatus status = NVolant::FieldStatus::Idle;
    bool saved = false;
    bool continueEnabled = false;
    float introFade = 1.0f;
    bool crossFading = false;
    int introFrames = 0;
};

class FakeGame final : public Control {
public:
    explicit FakeGame(Script& script) : m_script(script) { ++m_script.gamesAlive; }
    ~FakeGame() override { --m_script.gamesAlive; }
    void onKeyDown(int key, int) override
    {
        if (key == VKey::Escape)
            setCommand(ScreenCommand::MainMenu);
    }

private:
    Script& m_script;
};

class FakeIntro final : public Control {
public:
    explicit FakeIntro(Script& script) : m_script(script) {}
    void update(float) override
    {
        ++m_script.introFrames;
        m_script.introFade += m_script.crossFading ? 0.25f : -0.25f;
    }

private:
    Script& m_script;
};

class FakeKit final : public NVolant::ScreenKit {
public:
    FakeKit(Script& script, bool withIntro) : m_script(script), m_withIntro(withIntro) {}

    std::unique_ptr<Control> makeIntro() override
    {
        return m_withIntro ? std::make_unique<FakeIntro>(m_script) : nullptr;
    }
    float introFade(Control&) override { return m_script.introFade; }
    void startIntroCrossFade(Control&) override { m_script.crossFading = true; }
    std::unique_ptr<Control> makeMainMenu() override { return screen(); }
    void setContinueEnabled(Control&, bool enabled) override { m_script.continueEnabled = enabled; }
    int customLevel(Control&) override { return 7; }
    std::unique_ptr<Control> makeGame(bool) override { return std::make_unique<FakeGame>(m_script); }
    NVolant::FieldStatus fieldStatus(Control&) override { return m_script.status; }
    bool hasLevel(Control&) override { return true; }
    void startGame(Control&, int level) override { m_script.calls.push_back("start " + std::to_string(level)); }
    void pauseGame(Control&) override { m_script.calls.push_back("pause"); }
    bool hasSavedGame() override { return m_script.saved; }
    std::unique_ptr<Control> makeEndLevel(bool, Control&) override { return screen(); }

private:
    static std::unique_ptr<Control> screen()
    {
        auto control = std::make_unique<Control>();
        control->setSize(800, 600);
        return control;
    }
    Script& m_script;
    bool m_withIntro;
};

class GameAppTest : public AppFixture {
protected:
    NVolant::GameApp& startFake(bool withIntro = false)
    {
        return start(std::make_unique<FakeKit>(m_script, withIntro));
    }
    // A click on the current screen after it left a command.
    void choose(Control* screen, ScreenCommand command)
    {
        ASSERT_NE(screen, nullptr);
        screen->setCommand(command);
        app->onLeftButtonUp(400, 300);
    }
    // A new game, shown.
    void play()
    {
        choose(app->mainMenu(), ScreenCommand::NewGame);
        app->frame();
        ASSERT_EQ(app->current(), app->game());
    }

    Script m_script;
};

} // namespace

TEST_F(GameAppTest, TheIntroRevealsThenCrossFadesAndIsGone)
{
    startFake(true);
    // 1 -> 0 in four frames, back to 1 in four more.
    EXPECT_EQ(m_script.introFrames, 8);
    EXPECT_EQ(app->current(), app->mainMenu());
}

TEST_F(GameAppTest, CustomGameStartsAtTheChosenLevel)
{
    startFake();
    choose(app->mainMenu(), ScreenCommand::CustomGame);
    EXPECT_EQ(m_script.calls, std::vector<std::string>{"start 7"});
}

TEST_F(GameAppTest, EachNewGameReplacesTheLastAndTakesTheNextOfFourTracks)
{
    startFake();
    std::vector<std::string> tracks;
    for (int i = 0; i < 5; ++i) {
        play();
        tracks.push_back(app->music()->tracks().at(0));
        EXPECT_EQ(m_script.gamesAlive, 1);
        app->onKeyDown(VKey::Escape);
        EXPECT_EQ(app->music()->tracks(), std::vector<std::string>{"sounds/music_menu1.ogg"});
    }
    EXPECT_EQ(tracks, (std::vector<std::string>{"sounds/music_game1.ogg", "sounds/music_game2.ogg",
                                                "sounds/music_game3.ogg", "sounds/music_game4.ogg",
                                                "sounds/music_game1.ogg"}));
}

// The profile screens drop the game and load the new player's (discardGame, prepareContinue):
// the old player's end-of-level window goes with the old game, so Continue never shows its figures
// nor advances the new player's saved game with its CONTINUE.
TEST_F(GameAppTest, AChangeOfPlayerDropsTheOldEndOfLevelWindow)
{
    for (const NVolant::FieldStatus ended : {NVolant::FieldStatus::LevelComplete, NVolant::FieldStatus::GameOver}) {
        SCOPED_TRACE(static_cast<int>(ended));
        m_script = Script{};
        startFake();
        play();
        m_script.status = ended;
        app->frame();
        ASSERT_NE(app->endLevel(), nullptr);
        choose(app->endLevel(), ScreenCommand::MainMenu);

        m_script.saved = true;
        m_script.status = NVolant::FieldStatus::Playing;
        app->discardGame();
        app->prepareContinue();
        EXPECT_EQ(app->endLevel(), nullptr);
        EXPECT_TRUE(m_script.continueEnabled);
        m_script.calls.clear();
        choose(app->mainMenu(), ScreenCommand::ContinueGame);
        EXPECT_EQ(app->pending(), app->game());
        EXPECT_EQ(m_script.calls, std::vector<std::string>{"pause"});
        app->frame();
        EXPECT_EQ(app->current(), app->game());
        app.reset();
    }
}

TEST_F(GameAppTest, ACommandThatIsNotTheMenusIsCleared)
{
    startFake();
    choose(app->mainMenu(), ScreenCommand::Continue);
    EXPECT_EQ(app->mainMenu()->getCommand(), ScreenCommand::None);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_EQ(app->game(), nullptr);
    EXPECT_FALSE(app->platformWindow()->isQuitRequested());
}

TEST_F(GameAppTest, TheBackgroundPausesAudioAndTheLoop)
{
    startFake();
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
    startFake();
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
