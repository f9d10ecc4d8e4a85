#include "app/GameApp.h"

#include "content/AudioSystem.h"
#include "content/BrokenInstallation.h"
#include "content/ResourceArchive.h"
#include "content/Sounds.h"
#include "gameplay/Images.h"
#include "gameplay/PlaneParams.h"
#include "platform/ImageDecoder.h"
#include "platform/KGamepad.h"
#include "platform/KGraphic.h"
#include "platform/KInput.h"
#include "platform/KPointer.h"
#include "platform/KShell.h"
#include "platform/Log.h"
#include "platform/Paths.h"
#include "platform/Screen.h"
#include "score/Profiles.h"

#include <algorithm>

namespace NVolant {

namespace {

// Every screen writes with the bitmap font: a data tree without it is no data tree.
constexpr const char* kDataProbe = "menu/font.png";
constexpr const char* kWindowIcon = "icons/skyvane_64.png";

bool gameEnded(FieldStatus status)
{
    return status == FieldStatus::GameOver || status == FieldStatus::Victory;
}

} // namespace

GameApp::GameApp(std::unique_ptr<ScreenKit> kit, AppOptions options)
    : m_kit(std::move(kit)), m_options(options)
{
    m_savePath = getUserDataFolder() + "/";
    setLogFolder(m_savePath);

    // A missing save file leaves the defaults: no profiles, full screen.
    Profiles* profiles = Profiles::instance();
    profiles->load(m_savePath + "save.dat");
    m_audioSettings.soundVolume = profiles->m_soundVolume;
    m_audioSettings.musicVolume = profiles->m_musicVolume;
    m_audioSettings.invertStereo = profiles->m_invertStereo == 1;

    // The data before the window: without it there is no game, and no window should flash up.
    NLib::ResourceArchive* archive = NLib::ResourceArchive::create();
    archive->setPassword(NLib::ResourceArchive::kGamePassword);
    const std::string dataFolder = findDataFolder();
    archive->setLooseFolder(dataFolder);
    if (!archive->open(dataFolder + "/data.pk")) {
        if (archive->readFile(kDataProbe).empty()) {
            std::string searched;
            for (const std::string& folder : dataFolderCandidates())
                searched += (searched.empty() ? "" : ", ") + folder;
            throw NLib::BrokenInstallation("data.pk", "not found (looked in " + searched + ")");
        }
        LOG_ERROR("no data pack in %s; reading loose files", dataFolder.c_str());
    }

    m_savedWindowed = profiles->m_isWindowed;
    const bool windowed = m_options.windowed >= 0 ? m_options.windowed == 1 : profiles->m_isWindowed == 1;
    if (!create(kScreenWidth, kScreenHeight, 32, windowed, "Skyvane"))
        return;
    // Progress is written the moment it is made; the settings go with it, never only at exit.
    profiles->setSettingsSource([this](Profiles& p) { storeSettings(p); });
    if (!m_options.frameCap) {
        platformWindow()->setFrameRateCap(-1);
        setDisplayClock(nullptr);
    }
    setDrawing(m_options.draw);
    setWindowIcon();

    setImageFileReader([](const std::string& name) {
        NLib::ResourceArchive* files = NLib::ResourceArchive::instance();
        return files ? files->readFile(name) : NLib::ByteBuffer{};
    });

    m_music = std::make_unique<NAudio::StreamMusic>();
    KWindow* window = platformWindow();
    m_intro = m_kit->makeIntro();
    while (m_intro && m_kit->introFade(*m_intro) > 0.0f && !window->isQuitRequested())
        frame();

    if (!NAudio::AudioSystem::existing())
        NAudio::AudioSystem::create();
    // Every effect is decoded now rather than on the first explosion.
    Sounds::instance();

    m_mainMenu = m_kit->makeMainMenu();
    m_current = m_mainMenu.get();
    prepareContinue();

    if (m_intro) {
        m_kit->startIntroCrossFade(*m_intro);
        while (m_kit->introFade(*m_intro) < 1.0f && !window->isQuitRequested())
            frame();
    }
    NAudio::AudioSystem* audio = NAudio::AudioSystem::existing();
    audio->setSoundVolume(m_audioSettings.soundVolume);
    audio->setStreamVolume(m_audioSettings.musicVolume);
    audio->setInvertStereo(m_audioSettings.invertStereo);
    showMainMenu();
    m_intro.reset();
    m_started = true;
}

void GameApp::setWindowIcon()
{
    const NLib::ByteBuffer png = NLib::ResourceArchive::instance()->readFile(kWindowIcon);
    const DecodedImage icon = decodePng(png.data(), png.size());
    KWindow* window = platformWindow();
    if (icon.empty() || !window || !window->setIcon(icon.rgba, icon.width, icon.height))
        LOG_ERROR("no window icon (%s)", kWindowIcon);
}

GameApp::~GameApp()
{
    // A demonstration's game goes while everything it draws with is still there.
    m_attract.end();
    m_current = nullptr;
    m_pending = nullptr;
    m_intro.reset();
    m_endLevel.reset();
    m_game.reset();
    m_mainMenu.reset();
    // The registries go with the last screen that shows their pictures.
    Images::destroy();
    m_music.reset();
    Profiles* profiles = Profiles::existing();
    if (profiles) {
        storeSettings(*profiles);
        profiles->setSettingsSource(nullptr);
    }
    Sounds::destroy();
    NAudio::AudioSystem::destroy();
    // The registry's pictures belong to this window's renderer: they go before it does.
    NVolant::Images::destroy();
    setImageFileReader(nullptr);
    NLib::ResourceArchive::destroy();

    if (profiles && m_options.writeSaveFile)
        profiles->save();
    Profiles::destroy();
    // The base class closes the window last.
}

void GameApp::storeSettings(Profiles& profiles)
{
    if (NAudio::AudioSystem* audio = NAudio::AudioSystem::existing()) {
        m_audioSettings.soundVolume = audio->soundVolume();
        m_audioSettings.musicVolume = audio->streamVolume();
        m_audioSettings.invertStereo = audio->invertStereo();
    }
    // A window that never opened says nothing about the player's choice, and neither does the
    // mode asked for on the command line unless the player changed it since.
    const int mode = isFullScreen() ? 0 : 1;
    if (platformWindow())
        profiles.m_isWindowed =
            m_options.windowed >= 0 && mode == m_options.windowed ? m_savedWindowed : mode;
    profiles.m_soundVolume = m_audioSettings.soundVolume;
    profiles.m_musicVolume = m_audioSettings.musicVolume;
    profiles.m_invertStereo = m_audioSettings.invertStereo ? 1 : 0;
}

void GameApp::update(float dt)
{
    if (m_music)
        m_music->update();
    if (m_intro)
        m_intro->update(dt);
    if (!m_current)
        return;
    if (m_current == m_game.get() || m_current == m_attract.screen()) {
        m_kit->updateGame(*m_current, dt, nextControls(*m_current));
    } else {
        m_controls.discard();
        m_current->update(dt);
    }
    m_pilotControls.reset();
    if (m_current == m_game.get()) {
        const FieldStatus status = m_kit->fieldStatus(*m_game);
        if (gameEnded(status))
            showEndLevel(true);
        else if (status == FieldStatus::LevelComplete)
            showEndLevel(false);
    } else if (m_current == m_mainMenu.get() && m_pending && m_kit->menuIdle(*m_mainMenu)) {
        m_current = m_pending;
        m_pending = nullptr;
    }
    updateAttract(dt);
}

PlayerControls GameApp::nextControls(NControls::Control& game)
{
    if (m_pilotControls || &game == m_attract.screen()) {
        // The player's hands are off: a demonstration ends on any input rather than steering.
        m_controls.discard();
        return m_pilotControls.value_or(PlayerControls{});
    }
    const Images* images = Images::existing();
    const float steerSpeed =
        images && images->playerParams ? images->playerParams->speedVal : KGamepad::kDefaultSteerSpeed;
    return m_controls.build(m_kit->steeringPoint(game), steerSpeed);
}

void GameApp::draw()
{
    if (m_current)
        m_current->draw();
    if (m_current && m_current == m_attract.screen())
        m_attract.drawCaption();
    if (m_intro)
        m_intro->draw();
    if (NAudio::AudioSystem* audio = NAudio::AudioSystem::existing())
        audio->update();
}

void GameApp::onMouseMove(float x, float y)
{
    if (attractTakes())
        return;
    if (m_current)
        m_current->onMouseMove(x, y);
}

void GameApp::onLeftButtonDown(float x, float y)
{
    if (attractTakes())
        return;
    if (m_current)
        m_current->onLeftDown(x, y);
}

void GameApp::onRightButtonDown(float x, float y)
{
    if (attractTakes())
        return;
    if (m_current)
        m_current->onRightDown(x, y);
}

void GameApp::onRightButtonUp(float x, float y)
{
    if (attractTakes())
        return;
    if (m_current)
        m_current->onRightUp(x, y);
}

void GameApp::onActivate()
{
    if (NAudio::AudioSystem* audio = NAudio::AudioSystem::existing())
        audio->resume();
}

void GameApp::onDeactivate()
{
    if (NAudio::AudioSystem* audio = NAudio::AudioSystem::existing())
        audio->pause();
}

void GameApp::stopAllSounds()
{
    if (Sounds* sounds = Sounds::existing())
        sounds->stopAll();
}

void GameApp::openWebPage(const std::string& address)
{
    ::openWebPage(address);
}

void GameApp::hideCursorForPlay()
{
    // Play goes on from the middle of the bottom, where the pointer is put.
    const SteeringPoint start{400, 500};
    setMousePosition(start.x, start.y);
    if (m_game)
        m_kit->placeSteering(*m_game, start);
    hideCursor();
}

void GameApp::startPlaying(NControls::Control& menu)
{
    const bool custom = menu.getCommand() == NControls::ScreenCommand::CustomGame;
    m_pending = nullptr;
    m_endLevel.reset();
    m_game.reset();
    m_game = m_kit->makeGame(true);
    m_gameFromSave = false;
    if (m_game) {
        m_kit->startGame(*m_game, custom ? m_kit->customLevel(menu) : 1);
        m_pending = m_game.get();
    }
    hideCursorForPlay();
    startGameMusic();
    menu.clearCommand();
}

void GameApp::onLeftButtonUp(float x, float y)
{
    if (attractTakes() || !m_current)
        return;
    if (m_game && m_current == m_game.get())
        m_controls.leftReleased();
    m_current->onLeftUp(x, y);

    if (m_current == m_mainMenu.get()) {
        NControls::Control& menu = *m_mainMenu;
        const NControls::ScreenCommand command = menu.getCommand();
        if (command == NControls::ScreenCommand::NewGame || command == NControls::ScreenCommand::CustomGame) {
            startPlaying(menu);
        } else if (command == NControls::ScreenCommand::ContinueGame) {
            if (m_endLevel) {
                m_pending = m_endLevel.get();
            } else if (m_game) {
                m_gameFromSave = false;
                m_pending = m_game.get();
                m_kit->pauseGame(*m_game);
                hideCursorForPlay();
            }
            startGameMusic();
            menu.clearCommand();
        } else if (command == NControls::ScreenCommand::ExitGame) {
            if (KWindow* window = platformWindow())
                window->requestQuit();
            menu.clearCommand();
        } else {
            menu.clearCommand();
        }
    } else if (m_endLevel && m_current == m_endLevel.get()) {
        const NControls::ScreenCommand command = m_endLevel->getCommand();
        if (command == NControls::ScreenCommand::MainMenu) {
            m_endLevel->clearCommand();
            // A finished game has nothing to come back to: it goes with its final window.
            const bool ended = m_game && gameEnded(m_kit->fieldStatus(*m_game));
            showMainMenu();
            if (ended)
                discardGame();
        } else if (command == NControls::ScreenCommand::Continue) {
            m_endLevel.reset();
            m_current = nullptr;
            if (m_game) {
                m_kit->nextLevel(*m_game);
                m_current = m_game.get();
            }
            hideCursorForPlay();
            startGameMusic();
        }
    }
}

void GameApp::onKeyDown(int key)
{
    if (attractTakes() || !m_current)
        return;
    if (m_game && m_current == m_game.get())
        m_controls.keyPressed(key);
    m_current->onKeyDown(key, 0);
    if (m_game && m_current == m_game.get() && m_game->getCommand() == NControls::ScreenCommand::MainMenu) {
        m_game->clearCommand();
        showMainMenu();
    }
}

void GameApp::showMainMenu()
{
    stopAllSounds();
    showCursor();
    if (m_mainMenu)
        m_kit->setContinueEnabled(*m_mainMenu, m_game && m_kit->hasLevel(*m_game));
    m_current = m_mainMenu.get();
    restartMenuMusic();
    if (m_mainMenu)
        m_kit->replayOpening(*m_mainMenu);
}

void GameApp::discardGame()
{
    // The end-of-level window belongs to the game: its figures and its CONTINUE are that game's.
    for (NControls::Control* screen : {m_game.get(), m_endLevel.get()}) {
        if (screen && m_pending == screen)
            m_pending = nullptr;
        if (screen && m_current == screen)
            m_current = nullptr;
    }
    m_endLevel.reset();
    m_game.reset();
    m_gameFromSave = false;
    if (m_mainMenu)
        m_kit->setContinueEnabled(*m_mainMenu, false);
}

void GameApp::prepareContinue()
{
    discardGame();
    if (!m_kit->hasSavedGame())
        return;
    m_game = m_kit->makeGame(false);
    if (!m_game)
        return;
    m_kit->loadSavedGame(*m_game);
    m_gameFromSave = true;
    if (m_mainMenu)
        m_kit->setContinueEnabled(*m_mainMenu, m_kit->hasLevel(*m_game));
}

void GameApp::restartMenuMusic()
{
    if (!m_music)
        return;
    m_music->clear();
    m_music->add("sounds/music_menu1.ogg");
    m_music->shuffle();
    m_music->playNext();
}

void GameApp::startGameMusic()
{
    if (m_music) {
        m_music->clear();
        m_music->add("sounds/music_game" + std::to_string(m_gameMusic) + ".ogg");
        m_music->playNext();
    }
    if (++m_gameMusic > 4)
        m_gameMusic = 1;
}

void GameApp::beforeInput()
{
    if (std::optional<PlayerControls> demo = m_attract.nextControls())
        m_pilotControls = std::move(demo);
    NLib::Window::beforeInput();
}

bool GameApp::attractTakes()
{
    if (!m_attract.active()) {
        m_attract.resetIdle();
        return false;
    }
    // The player: any key, click or move ends the demonstration, and does nothing else.
    if (m_attract.phase() == AttractMode::Phase::MenuFadingOut) {
        m_attract.setPhase(AttractMode::Phase::Off);
        if (KWindow* window = platformWindow())
            window->setFadeAmount(1.0f);
    } else if (m_attract.phase() == AttractMode::Phase::Flying) {
        m_attract.setPhase(AttractMode::Phase::DemoFadingOut);
    }
    return true;
}

bool GameApp::mayDemonstrate() const
{
    // A game in progress is never dropped; one only loaded from the save file can be loaded again.
    return !m_endLevel && !m_pending && (!m_game || m_gameFromSave);
}

int GameApp::demonstrationLevel()
{
    int top = 3;
    if (const Profiles* profiles = Profiles::existing())
        if (const Profile* profile = profiles->currentProfile())
            top = std::clamp(static_cast<int>(profile->m_levelMax), 1, 30);
    return 1 + m_demoCount++ % top;
}

void GameApp::updateAttract(float dt)
{
    using Phase = AttractMode::Phase;
    KWindow* window = platformWindow();
    switch (m_attract.phase()) {
    case Phase::Off:
        if (m_current == m_mainMenu.get() && m_mainMenu && mayDemonstrate() &&
            m_attract.due(dt, m_kit->menuAtRest(*m_mainMenu)))
            m_attract.setPhase(Phase::MenuFadingOut);
        else if (m_current != m_mainMenu.get())
            m_attract.resetIdle();
        return;
    case Phase::MenuFadingOut:
        if (m_attract.advance(dt))
            startDemonstration();
        break;
    case Phase::Flying:
        m_attract.advance(dt);
        if (m_attract.finished(*m_kit))
            m_attract.setPhase(Phase::DemoFadingOut);
        break;
    case Phase::DemoFadingOut:
        if (m_attract.advance(dt))
            stopDemonstration();
        break;
    case Phase::MenuFadingIn:
        if (m_attract.advance(dt))
            m_attract.setPhase(Phase::Off);
        break;
    }
    if (window)
        window->setFadeAmount(m_attract.fade());
}

void GameApp::startDemonstration()
{
    m_pointerBeforeDemoX = getMouseX();
    m_pointerBeforeDemoY = getMouseY();
    m_demoDroppedGame = m_game != nullptr;
    if (m_game) {
        m_game.reset();
        m_gameFromSave = false;
    }
    stopAllSounds();
    if (!m_attract.begin(*m_kit, demonstrationLevel())) {
        stopDemonstration();
        return;
    }
    m_current = m_attract.screen();
    hideCursor();
    m_musicBeforeDemo = m_gameMusic;
    startGameMusic();
    m_attract.setPhase(AttractMode::Phase::Flying);
}

void GameApp::stopDemonstration()
{
    stopAllSounds();
    m_attract.end();
    m_current = m_mainMenu.get();
    m_gameMusic = m_musicBeforeDemo;
    // The menu as it was: its game to continue, its music, the pointer where the player left it.
    if (m_demoDroppedGame)
        prepareContinue();
    m_demoDroppedGame = false;
    restartMenuMusic();
    showCursor();
    setMousePosition(m_pointerBeforeDemoX, m_pointerBeforeDemoY);
    m_attract.setPhase(AttractMode::Phase::MenuFadingIn);
}

NControls::Control* GameApp::playLevel(int level, std::uint32_t seed)
{
    return playAtOnce(seed, [&](NControls::Control& game) { m_kit->startGame(game, level); });
}

NControls::Control* GameApp::playSavedGame(std::uint32_t seed)
{
    return playAtOnce(seed, [&](NControls::Control& game) { m_kit->loadSavedGame(game); });
}

NControls::Control* GameApp::playAtOnce(std::uint32_t seed,
                                        const std::function<void(NControls::Control&)>& start)
{
    m_pending = nullptr;
    m_current = nullptr;
    m_endLevel.reset();
    m_game.reset();
    m_game = m_kit->makeGame(false);
    if (!m_game)
        return nullptr;
    m_kit->seedGame(*m_game, seed);
    start(*m_game);
    m_current = m_game.get();
    hideCursorForPlay();
    startGameMusic();
    return m_game.get();
}

void GameApp::showEndLevel(bool final)
{
    stopAllSounds();
    if (m_music)
        m_music->stop();
    m_endLevel = m_kit->makeEndLevel(final, *m_game);
    showCursor();
    m_current = m_endLevel.get();
}

} // namespace NVolant
