#include "app/GameApp.h"

#include "support/TempDir.h"

#include "content/AudioSystem.h"
#include "content/Sounds.h"

#include "platform/KClock.h"
#include "platform/KInjection.h"
#include "platform/KInput.h"
#include "platform/KPointer.h"
#include "platform/KeyTable.h"
#include "score/Profiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using NControls::Control;

// The record of everything the application asked of its screens.
struct Script {
    std::vector<std::string> calls;
    int gamesMade = 0;
    int gamesAlive = 0;
    NVolant::FieldStatus status = NVolant::FieldStatus::Idle;
    bool hasLevel = true;
    bool menuIdle = true;
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
            setCommand(NControls::ScreenCommand::MainMenu);
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
    explicit FakeKit(Script& script, bool withIntro = false) : m_script(script), m_withIntro(withIntro) {}

    std::unique_ptr<Control> makeIntro() override
    {
        return m_withIntro ? std::make_unique<FakeIntro>(m_script) : nullptr;
    }
    float introFade(Control&) override { return m_script.introFade; }
    void startIntroCrossFade(Control&) override { m_script.crossFading = true; }

    std::unique_ptr<Control> makeMainMenu() override
    {
        auto menu = std::make_unique<Control>();
        menu->setSize(800, 600);
        return menu;
    }
    bool menuIdle(Control&) override { return m_script.menuIdle; }
    void setContinueEnabled(Control&, bool enabled) override { m_script.continueEnabled = enabled; }
    int customLevel(Control&) override { return 7; }

    std::unique_ptr<Control> makeGame(bool hints) override
    {
        ++m_script.gamesMade;
        m_script.calls.push_back(hints ? "make game" : "make game without hints");
        return std::make_unique<FakeGame>(m_script);
    }
    NVolant::FieldStatus fieldStatus(Control&) override { return m_script.status; }
    bool hasLevel(Control&) override { return m_script.hasLevel; }
    void startGame(Control&, int level) override
    {
        m_script.calls.push_back("start " + std::to_string(level));
    }
    void pauseGame(Control&) override { m_script.calls.push_back("pause"); }
    void nextLevel(Control&) override { m_script.calls.push_back("next level"); }
    bool hasSavedGame() override { return m_script.saved; }
    void loadSavedGame(Control&) override { m_script.calls.push_back("load saved"); }

    std::unique_ptr<Control> makeEndLevel(bool final, Control&) override
    {
        m_script.calls.push_back(final ? "end of game" : "end of level");
        auto window = std::make_unique<Control>();
        window->setSize(800, 600);
        return window;
    }

private:
    Script& m_script;
    bool m_withIntro;
};

class GameAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_DATA_HOME");
        m_hadDataHome = old != nullptr;
        if (old)
            m_oldDataHome = old;
        setenv("XDG_DATA_HOME", m_home.path().c_str(), 1);
        setManualClock(true);
    }
    void TearDown() override
    {
        m_app.reset();
        setManualClock(false);
        if (m_hadDataHome)
            setenv("XDG_DATA_HOME", m_oldDataHome.c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }

    NVolant::GameApp& start(bool withIntro = false)
    {
        m_app = std::make_unique<NVolant::GameApp>(std::make_unique<FakeKit>(m_script, withIntro));
        return *m_app;
    }
    // A click on the current screen after it left a command.
    void choose(Control* screen, NControls::ScreenCommand command)
    {
        ASSERT_NE(screen, nullptr);
        screen->setCommand(command);
        m_app->onLeftButtonUp(400, 300);
    }

    TempDir m_home;
    Script m_script;
    std::unique_ptr<NVolant::GameApp> m_app;

private:
    bool m_hadDataHome = false;
    std::string m_oldDataHome;
};

} // namespace

TEST_F(GameAppTest, StartsOnTheMainMenuWithNothingToContinue)
{
    NVolant::GameApp& app = start();
    ASSERT_TRUE(app.started());
    EXPECT_EQ(app.current(), app.mainMenu());
    EXPECT_EQ(app.game(), nullptr);
    EXPECT_FALSE(m_script.continueEnabled);
    EXPECT_EQ(m_script.gamesMade, 0);
    EXPECT_EQ(app.music()->tracks(), std::vector<std::string>{"sounds/music_menu1.ogg"});
    // The audio is up, at the settings' volumes, and every effect slot was asked for.
    NAudio::AudioSystem* audio = NAudio::AudioSystem::existing();
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->soundVolume(), app.audioSettings().soundVolume);
    EXPECT_EQ(audio->streamVolume(), app.audioSettings().musicVolume);
    EXPECT_EQ(audio->invertStereo(), app.audioSettings().invertStereo);
    EXPECT_NE(NVolant::Sounds::existing(), nullptr);
    EXPECT_EQ(app.platformWindow()->getWidth(), 800);
    EXPECT_EQ(app.platformWindow()->getHeight(), 600);
    // No save file: the default settings, full screen.
    EXPECT_TRUE(app.isFullScreen());
    EXPECT_EQ(app.savePath(), m_home.path() + "/Corvidane/Skyvane/");
    EXPECT_EQ(NVolant::Profiles::instance()->profileCount(), 0u);
    EXPECT_TRUE(isCursorVisible());
}

TEST_F(GameAppTest, SettingsAndProfilesComeFromTheSaveFileAndGoBackToItAtExit)
{
    const std::string folder = m_home.path() + "/Corvidane/Skyvane/";
    {
        NVolant::Profiles written;
        written.m_isWindowed = 1;
        written.m_musicVolume = 20;
        ASSERT_TRUE(written.addProfile("ACE"));
        written.findProfile("ACE")->addScore(777);
        std::filesystem::create_directories(folder);
        ASSERT_TRUE(written.save(folder + "save.dat"));
    }
    NVolant::GameApp& app = start();
    EXPECT_FALSE(app.isFullScreen());
    NVolant::Profiles* profiles = NVolant::Profiles::existing();
    ASSERT_NE(profiles, nullptr);
    ASSERT_NE(profiles->currentProfile(), nullptr);
    EXPECT_EQ(profiles->currentProfile()->name(), "ACE");

    // The saved volumes are what the player hears; a change (the options' slider) goes back.
    NAudio::AudioSystem* audio = NAudio::AudioSystem::existing();
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->streamVolume(), 20);
    EXPECT_EQ(audio->soundVolume(), 100);
    app.setFullScreen();
    audio->setSoundVolume(65);
    // Any write of the file carries the settings as they are now, not as they were at start.
    ASSERT_TRUE(profiles->addProfile("BOB"));
    {
        NVolant::Profiles written;
        ASSERT_TRUE(written.load(folder + "save.dat"));
        EXPECT_EQ(written.m_soundVolume, 65);
        EXPECT_EQ(written.m_isWindowed, 0);
    }
    m_app.reset();
    EXPECT_EQ(NVolant::Profiles::existing(), nullptr);

    NVolant::Profiles read;
    ASSERT_TRUE(read.load(folder + "save.dat"));
    EXPECT_EQ(read.m_isWindowed, 0);
    EXPECT_EQ(read.m_soundVolume, 65);
    EXPECT_EQ(read.m_musicVolume, 20);
    ASSERT_EQ(read.profileCount(), 2u);
    EXPECT_EQ(read.profileAt(0)->scores.front(), 777u);
}

TEST_F(GameAppTest, ASavedGameIsLoadedAtStartUp)
{
    m_script.saved = true;
    NVolant::GameApp& app = start();
    EXPECT_EQ(m_script.calls, (std::vector<std::string>{"make game without hints", "load saved"}));
    EXPECT_NE(app.game(), nullptr);
    EXPECT_TRUE(m_script.continueEnabled);
    EXPECT_EQ(app.current(), app.mainMenu());
}

TEST_F(GameAppTest, TheIntroRevealsThenCrossFadesAndIsGone)
{
    NVolant::GameApp& app = start(true);
    // 1 -> 0 in four frames, back to 1 in four more.
    EXPECT_EQ(m_script.introFrames, 8);
    EXPECT_EQ(app.current(), app.mainMenu());
}

TEST_F(GameAppTest, NewGameWaitsForTheMenuThenPlays)
{
    NVolant::GameApp& app = start();
    m_script.menuIdle = false;
    choose(app.mainMenu(), NControls::ScreenCommand::NewGame);
    EXPECT_EQ(app.mainMenu()->getCommand(), NControls::ScreenCommand::None);
    EXPECT_EQ(m_script.calls, (std::vector<std::string>{"make game", "start 1"}));
    EXPECT_EQ(app.pending(), app.game());
    EXPECT_EQ(app.current(), app.mainMenu());
    EXPECT_FALSE(isCursorVisible());
    EXPECT_EQ(getMouseX(), 400);
    EXPECT_EQ(getMouseY(), 500);
    EXPECT_EQ(app.music()->tracks(), std::vector<std::string>{"sounds/music_game1.ogg"});

    app.frame();
    EXPECT_EQ(app.current(), app.mainMenu());
    m_script.menuIdle = true;
    app.frame();
    EXPECT_EQ(app.current(), app.game());
    EXPECT_EQ(app.pending(), nullptr);
}

TEST_F(GameAppTest, CustomGameStartsAtTheChosenLevel)
{
    NVolant::GameApp& app = start();
    choose(app.mainMenu(), NControls::ScreenCommand::CustomGame);
    EXPECT_EQ(m_script.calls, (std::vector<std::string>{"make game", "start 7"}));
}

TEST_F(GameAppTest, EscapeKeepsTheGameAndContinueResumesItPaused)
{
    NVolant::GameApp& app = start();
    choose(app.mainMenu(), NControls::ScreenCommand::NewGame);
    app.frame();
    Control* game = app.game();
    ASSERT_EQ(app.current(), game);

    app.onKeyDown(VKey::Escape);
    EXPECT_EQ(app.current(), app.mainMenu());
    EXPECT_EQ(game->getCommand(), NControls::ScreenCommand::None);
    EXPECT_EQ(app.game(), game);
    EXPECT_TRUE(m_script.continueEnabled);
    EXPECT_TRUE(isCursorVisible());

    m_script.calls.clear();
    choose(app.mainMenu(), NControls::ScreenCommand::ContinueGame);
    EXPECT_EQ(m_script.calls, std::vector<std::string>{"pause"});
    app.frame();
    EXPECT_EQ(app.current(), game);

    // A new game discards the old one; only one exists at a time.
    app.onKeyDown(VKey::Escape);
    choose(app.mainMenu(), NControls::ScreenCommand::NewGame);
    EXPECT_EQ(m_script.gamesAlive, 1);
    EXPECT_EQ(m_script.gamesMade, 2);
}

TEST_F(GameAppTest, ACompletedLevelKeepsItsWindowAcrossAMenuVisit)
{
    NVolant::GameApp& app = start();
    choose(app.mainMenu(), NControls::ScreenCommand::NewGame);
    app.frame();
    m_script.status = NVolant::FieldStatus::LevelComplete;
    app.frame();
    Control* endLevel = app.endLevel();
    ASSERT_NE(endLevel, nullptr);
    EXPECT_EQ(app.current(), endLevel);
    EXPECT_EQ(m_script.calls.back(), "end of level");
    EXPECT_FALSE(app.music()->isPlaying());

    choose(endLevel, NControls::ScreenCommand::MainMenu);
    EXPECT_EQ(app.current(), app.mainMenu());
    EXPECT_EQ(app.endLevel(), endLevel);
    EXPECT_NE(app.game(), nullptr);

    choose(app.mainMenu(), NControls::ScreenCommand::ContinueGame);
    EXPECT_EQ(app.pending(), endLevel);
    app.frame();
    EXPECT_EQ(app.current(), endLevel);

    m_script.status = NVolant::FieldStatus::Playing;
    choose(endLevel, NControls::ScreenCommand::Continue);
    EXPECT_EQ(app.endLevel(), nullptr);
    EXPECT_EQ(app.current(), app.game());
    EXPECT_EQ(m_script.calls.back(), "next level");
    EXPECT_FALSE(isCursorVisible());
}

// The profile screens drop the game and load the new player's (discardGame, prepareContinue):
// the old player's end-of-level window goes with the old game, so Continue never shows its figures
// nor advances the new player's saved game with its CONTINUE.
TEST_F(GameAppTest, AChangeOfPlayerDropsTheOldEndOfLevelWindow)
{
    for (const NVolant::FieldStatus ended :
         {NVolant::FieldStatus::LevelComplete, NVolant::FieldStatus::GameOver}) {
        SCOPED_TRACE(static_cast<int>(ended));
        m_script = Script{};
        NVolant::GameApp& app = start();
        choose(app.mainMenu(), NControls::ScreenCommand::NewGame);
        app.frame();
        m_script.status = ended;
        app.frame();
        ASSERT_NE(app.endLevel(), nullptr);
        choose(app.endLevel(), NControls::ScreenCommand::MainMenu);

        m_script.saved = true;
        m_script.status = NVolant::FieldStatus::Playing;
        app.discardGame();
        app.prepareContinue();
        EXPECT_EQ(app.endLevel(), nullptr);
        EXPECT_TRUE(m_script.continueEnabled);
        m_script.calls.clear();
        choose(app.mainMenu(), NControls::ScreenCommand::ContinueGame);
        EXPECT_EQ(app.pending(), app.game());
        EXPECT_EQ(m_script.calls, std::vector<std::string>{"pause"});
        app.frame();
        EXPECT_EQ(app.current(), app.game());
        m_app.reset();
    }
}

TEST_F(GameAppTest, AfterGameOverTheMainMenuDropsTheGame)
{
    NVolant::GameApp& app = start();
    choose(app.mainMenu(), NControls::ScreenCommand::NewGame);
    app.frame();
    m_script.status = NVolant::FieldStatus::GameOver;
    app.frame();
    EXPECT_EQ(m_script.calls.back(), "end of game");
    choose(app.endLevel(), NControls::ScreenCommand::MainMenu);
    EXPECT_EQ(app.game(), nullptr);
    EXPECT_EQ(app.endLevel(), nullptr);
    EXPECT_EQ(m_script.gamesAlive, 0);
    EXPECT_FALSE(m_script.continueEnabled);
}

TEST_F(GameAppTest, GameMusicCyclesThroughFourTracks)
{
    NVolant::GameApp& app = start();
    std::vector<std::string> games;
    for (int i = 0; i < 5; ++i) {
        choose(app.mainMenu(), NControls::ScreenCommand::NewGame);
        games.push_back(app.music()->tracks().at(0));
        app.frame();
        app.onKeyDown(VKey::Escape);
        EXPECT_EQ(app.music()->tracks(), std::vector<std::string>{"sounds/music_menu1.ogg"});
    }
    EXPECT_EQ(games, (std::vector<std::string>{"sounds/music_game1.ogg", "sounds/music_game2.ogg",
                                               "sounds/music_game3.ogg", "sounds/music_game4.ogg",
                                               "sounds/music_game1.ogg"}));
}

TEST_F(GameAppTest, UnknownCommandsAreClearedAndExitEndsTheLoop)
{
    NVolant::GameApp& app = start();
    choose(app.mainMenu(), NControls::ScreenCommand::Continue); // not the main menu's
    EXPECT_EQ(app.mainMenu()->getCommand(), NControls::ScreenCommand::None);
    EXPECT_EQ(app.current(), app.mainMenu());
    EXPECT_FALSE(app.platformWindow()->isQuitRequested());
    choose(app.mainMenu(), NControls::ScreenCommand::ExitGame);
    EXPECT_TRUE(app.platformWindow()->isQuitRequested());
}

TEST_F(GameAppTest, TheBackgroundPausesAudioAndTheLoop)
{
    NVolant::GameApp& app = start();
    NAudio::AudioSystem* audio = NAudio::AudioSystem::existing();
    ASSERT_NE(audio, nullptr);
    app.onDeactivate();
    EXPECT_TRUE(audio->isPaused());
    app.onActivate();
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
    app.frame();
    user.join();
    EXPECT_FALSE(audio->isPaused());
    EXPECT_LT(getMilliseconds() - before, 40.0);
}

TEST_F(GameAppTest, ClosingTheWindowEndsTheLoop)
{
    NVolant::GameApp& app = start();
    KInjection::closeWindow();
    app.frame();
    EXPECT_TRUE(app.platformWindow()->isQuitRequested());
}

TEST_F(GameAppTest, WithoutAnAudioDeviceTheGameRunsTheSameSilently)
{
    const char* old = std::getenv("SDL_AUDIODRIVER");
    const std::string previous = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    NVolant::GameApp& app = start();
    ASSERT_TRUE(app.started());
    NAudio::AudioSystem* audio = NAudio::AudioSystem::existing();
    ASSERT_NE(audio, nullptr);
    EXPECT_FALSE(audio->deviceOk());
    EXPECT_EQ(NVolant::Sounds::existing()->arc(), nullptr);
    EXPECT_EQ(app.music()->tracks(), std::vector<std::string>{"sounds/music_menu1.ogg"});
    EXPECT_FALSE(app.music()->isPlaying());

    choose(app.mainMenu(), NControls::ScreenCommand::NewGame);
    app.frame();
    EXPECT_EQ(app.current(), app.game());
    EXPECT_EQ(app.music()->tracks(), std::vector<std::string>{"sounds/music_game1.ogg"});
    app.onDeactivate();
    app.onActivate();
    app.onKeyDown(VKey::Escape);
    EXPECT_EQ(app.current(), app.mainMenu());
    m_app.reset();
    setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
}
