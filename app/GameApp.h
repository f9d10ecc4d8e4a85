#pragma once

#include "app/AttractMode.h"
#include "app/AudioSettings.h"
#include "app/ControlsBuilder.h"
#include "app/ScreenKit.h"
#include "app/Window.h"

#include "screens/ScreenHost.h"
#include "ui/Control.h"

#include "content/StreamMusic.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace NVolant {

class Profiles;

// How a run starts, beyond what the save file says.
struct AppOptions {
    // -1: the window mode of the save file; 0 full screen; 1 windowed (for this run only).
    int windowed = -1;
    // Runs driven by the computer (autopilot, replays) leave the player's save file as it was.
    bool writeSaveFile = true;
    // Without a frame cap the loop runs as fast as it can (headless runs).
    bool frameCap = true;
    // Without drawing, frames only step the world (computer flights that want the outcome alone).
    bool draw = true;
};

// The application: starts everything up in its constructor, owns every screen, passes input to
// the current one, turns the commands the screens leave behind into screen changes, and saves and
// shuts down in its destructor.
class GameApp final : public NLib::Window, public ScreenHost {
public:
    explicit GameApp(std::unique_ptr<ScreenKit> kit = makeDefaultScreenKit(), AppOptions options = {});
    ~GameApp() override;

    void update(float dt) override;
    void draw() override;
    void onMouseMove(float x, float y) override;
    void onLeftButtonUp(float x, float y) override;
    void onLeftButtonDown(float x, float y) override;
    void onRightButtonUp(float x, float y) override;
    void onRightButtonDown(float x, float y) override;
    void onKeyDown(int key) override;
    void onActivate() override;
    void onDeactivate() override;
    void beforeInput() override;

    void showMainMenu();
    void discardGame() override;
    void prepareContinue() override;
    void restartMenuMusic() override;
    bool isFullScreen() const override { return NLib::Window::isFullScreen(); }
    void setFullScreen() override { NLib::Window::setFullScreen(); }
    void setWindowed() override { NLib::Window::setWindowed(); }
    void openWebPage(const std::string& address) override;
    void startGameMusic();
    void showEndLevel(bool final);
    // A new game at the start of a level, shown at once without hints (autopilot and replays);
    // the game screen, or null without one.
    NControls::Control* playLevel(int level, std::uint32_t seed = 0);
    // The same for the current profile's saved game.
    NControls::Control* playSavedGame(std::uint32_t seed = 0);
    // The computer's controls for the next frame, in place of the player's (autopilot, replays).
    void setPilotControls(PlayerControls controls) { m_pilotControls = std::move(controls); }

    bool started() const { return m_started; }
    const std::string& savePath() const { return m_savePath; }
    NControls::Control* current() const { return m_current; }
    NControls::Control* pending() const { return m_pending; }
    NControls::Control* mainMenu() const { return m_mainMenu.get(); }
    NControls::Control* game() const { return m_game.get(); }
    NControls::Control* endLevel() const { return m_endLevel.get(); }
    int nextGameMusic() const { return m_gameMusic; }
    NAudio::StreamMusic* music() const { return m_music.get(); }
    const AudioSettings& audioSettings() const { return m_audioSettings; }
    const AttractMode& attract() const { return m_attract; }

private:
    void startPlaying(NControls::Control& screen);
    // The settings as they are now (audio volumes, stereo swap, window mode) into the save file's.
    void storeSettings(Profiles& profiles);
    void setWindowIcon();
    void hideCursorForPlay();
    // A new game screen, started by the given step and shown at once.
    NControls::Control* playAtOnce(std::uint32_t seed, const std::function<void(NControls::Control&)>& start);
    void stopAllSounds();
    // Attract mode: the idle menu's demonstration flight.
    void updateAttract(float dt);
    bool mayDemonstrate() const;
    int demonstrationLevel();
    void startDemonstration();
    void stopDemonstration();
    // Whether an input event is kept from the screens: the player ending a demonstration.
    bool attractTakes();
    // The controls of the game screen's next frame.
    PlayerControls nextControls(NControls::Control& game);

    std::unique_ptr<ScreenKit> m_kit;
    AppOptions m_options;
    int m_savedWindowed = 1;
    NControls::Control* m_current = nullptr;
    NControls::Control* m_pending = nullptr;
    std::unique_ptr<NControls::Control> m_intro;
    std::unique_ptr<NControls::Control> m_mainMenu;
    std::unique_ptr<NControls::Control> m_game;
    std::unique_ptr<NControls::Control> m_endLevel;
    std::string m_savePath;
    std::unique_ptr<NAudio::StreamMusic> m_music;
    // Given to the audio system at start-up and taken back from it at exit, before saving.
    AudioSettings m_audioSettings;
    int m_gameMusic = 1;
    bool m_started = false;
    AttractMode m_attract;
    ControlsBuilder m_controls;
    std::optional<PlayerControls> m_pilotControls;
    // The game held for "continue" was only loaded from the save file, never played since: a
    // demonstration may drop it and load it again afterwards.
    bool m_gameFromSave = false;
    bool m_demoDroppedGame = false;
    int m_demoCount = 0;
    int m_musicBeforeDemo = 1;
    int m_pointerBeforeDemoX = 0;
    int m_pointerBeforeDemoY = 0;
};

} // namespace NVolant
