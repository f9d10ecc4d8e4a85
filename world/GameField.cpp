#include "world/GameField.h"

#include "content/CXmlNode.h"
#include "enemies/Enemies.h"
#include "platform/KDrawBlend.h"
#include "platform/KPointer.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/World.h"
#include "world/FieldHud.h"
#include "world/EndLabel.h"
#include "world/Level.h"
#include "world/ProfileLink.h"
#include "world/SavedGameText.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

namespace NVolant {

GameField::GameField() : m_world(std::make_unique<World>()), m_hud(std::make_unique<FieldHud>())
{
}

GameField::~GameField()
{
    ProfileLink* profile = ProfileLink::current();
    if (profile && (m_status == FieldStatus::GameOver || m_status == FieldStatus::Victory))
        profile->recordFinalScore(m_world->arena().scores().score());
    m_world->dropLevel();
    m_plane.reset();
    m_gameOver.reset();
    m_victory.reset();
    m_hud.reset();
}

Level* GameField::level()
{
    return m_world->level();
}

const Level* GameField::level() const
{
    return m_world->level();
}

void GameField::update(float dtMs, const PlayerControls& controls)
{
    m_scrollBefore = level() ? level()->cameraPosition().y : 0.0f;
    takeInput(controls);
    switch (m_status) {
    case FieldStatus::Playing:
        updatePlaying(dtMs, controls);
        break;
    case FieldStatus::LevelEnding:
        updateLevelEnding(dtMs, controls);
        break;
    case FieldStatus::GameOverShowing:
        if (level())
            level()->update(dtMs);
        if (m_gameOver) {
            m_gameOver->update(dtMs);
            if (m_gameOver->done()) {
                m_gameOver.reset();
                m_status = FieldStatus::GameOver;
                saveProgress();
            }
        }
        break;
    case FieldStatus::VictoryShowing:
        if (level())
            level()->update(dtMs);
        if (m_victory) {
            m_victory->update(dtMs);
            if (m_victory->done()) {
                m_victory.reset();
                m_status = FieldStatus::Victory;
                saveProgress();
            }
        }
        break;
    default:
        // Nothing moves while waiting, between levels or after the end of the game.
        break;
    }
    GameSounds& sounds = m_world->arena().sounds();
    if (m_plane)
        sounds.setListener(m_plane->worldPosition());
    sounds.tickEngines();
}

void GameField::takeInput(const PlayerControls& controls)
{
    // Every move of the mouse counts toward starting play; a steering point put where it already
    // is moved nowhere.
    for (int i = 0; i < controls.pointerMoves; ++i)
        onMouseMove();
    if (controls.steer && !(*controls.steer == m_steer)) {
        m_steer = *controls.steer;
        if (controls.pointerMoves == 0)
            onMouseMove();
    }
    for (const int key : controls.typed)
        onKey(key);
    if (controls.click)
        onClick();
}

void GameField::steerPlane(float dtMs, const PlayerControls& controls)
{
    PlayerControls steered = controls;
    steered.steer = m_steer;
    m_plane->update(dtMs, steered);
    // The keys and the edges of the screen move the point along with the plane's target.
    m_steer = m_plane->steeringPoint();
}

void GameField::updatePlaying(float dtMs, const PlayerControls& controls)
{
    if (m_plane)
        steerPlane(dtMs, controls);
    if (level()) {
        level()->update(dtMs);
        if (m_plane) {
            const int lives = m_world->arena().scores().checkExtraLife(m_lives, m_plane->worldPosition());
            if (lives != m_lives)
                playExtraLife();
            m_lives = lives;
        }
    }
    if (m_plane && level()) {
        level()->setCamera(m_plane->cameraOffset());
        // A plane that has just taken over is half visible and cannot be hit until it is whole.
        if (m_plane->alpha() >= 1.0f)
            m_plane->applyDamage(level()->collidePlayer(m_plane->collisionCircles()));
        if (level()->enemies().takeCheckpointChanged())
            saveProgress();
    }
    if (m_plane && m_plane->state() == PlaneState::Destroyed)
        replaceLostPlane();
    if (m_status == FieldStatus::Playing && level() && m_plane && level()->endReached()) {
        m_status = FieldStatus::LevelEnding;
        m_plane->beginLevelExit();
    }
    if (m_plane) {
        if (m_titleFade > 0.0f) {
            m_titleFade -= kTitleFadePerMs * dtMs;
            // The title rides on the ground as it fades.
            m_titleY += dtMs * m_plane->speed();
        }
    } else {
        m_titleFade = 0.0f;
    }
}

void GameField::replaceLostPlane()
{
    m_lives -= 1;
    if (m_lives <= 0) {
        m_plane.reset();
        m_status = FieldStatus::GameOverShowing;
        m_gameOver = EndLabel::gameOver();
        return;
    }
    // The level goes on where it is; the new plane flies on from the old one's place.
    auto plane = std::make_unique<Plane>(m_world->arena());
    plane->takeOver(*m_plane);
    m_plane = std::move(plane);
    m_mouseMoves = 0;
}

void GameField::updateLevelEnding(float dtMs, const PlayerControls& controls)
{
    if (!m_plane) {
        m_status = FieldStatus::LevelComplete;
        return;
    }
    steerPlane(dtMs, controls);
    if (level()) {
        level()->update(dtMs);
        level()->setCamera(m_plane->cameraOffset());
    }
    if (m_plane->state() != PlaneState::LevelLeft)
        return;
    if (m_levelNumber + 1 <= Level::kLastLevel) {
        m_status = FieldStatus::LevelComplete;
        if (ProfileLink* profile = ProfileLink::current())
            profile->raiseLevelMax(m_levelNumber + 1);
    } else {
        m_status = FieldStatus::VictoryShowing;
        m_victory = EndLabel::victory();
    }
}

float GameField::drawnScroll() const
{
    const float scroll = level() ? level()->cameraPosition().y : 0.0f;
    const std::optional<float> blend = KDrawBlend::current();
    // A jump (a level start, a restart at a bridge) is shown at once, never slid through.
    constexpr float kLongestStep = 32.0f;
    if (!blend || std::abs(scroll - m_scrollBefore) > kLongestStep)
        return scroll;
    return m_scrollBefore + *blend * (scroll - m_scrollBefore);
}

void GameField::draw()
{
    // Between steps the ground and all on it are drawn where the drawn scroll puts them (the
    // terrain lies on the whole pixels of its scroll, so it moves by the fraction as well); the
    // plane and the display stay where the screen has them.
    const float scroll = level() ? level()->cameraPosition().y : 0.0f;
    const bool between = KDrawBlend::current().has_value();
    const float shift = drawnScroll() - scroll;
    const float terrainShift = between ? drawnScroll() - std::floor(scroll) : 0.0f;
    if (level())
        level()->drawGround(terrainShift, shift);
    if (m_plane)
        m_plane->draw();
    if (level())
        level()->drawTop(shift);
    m_hud->drawBorders();
    m_hud->drawLives(m_lives);
    m_hud->drawScore(m_world->arena().scores().score());
    m_hud->drawHull(m_plane.get());
    if (m_titleFade > 0.0f)
        m_hud->drawTitle(m_levelNumber, m_titleY, std::min(m_titleFade, 1.0f));
    if (m_gameOver)
        m_gameOver->draw();
    if (m_victory)
        m_victory->draw();
}

void GameField::dropLevel()
{
    m_world->dropLevel();
    m_plane.reset();
}

void GameField::playExtraLife()
{
    m_world->arena().sounds().play(SoundCue::ExtraLife, true, false, 100);
}

void GameField::showTitle()
{
    m_titleFade = 1.0f;
    m_titleY = kTitleY;
}

void GameField::placeCursorOnPlane()
{
    if (!m_plane)
        return;
    m_steer = {static_cast<int>(m_plane->position().x), static_cast<int>(m_plane->position().y)};
    setMousePosition(m_steer.x, m_steer.y);
}

std::unique_ptr<World> GameField::newWorld() const
{
    if (m_seed)
        return std::make_unique<World>(*m_seed);
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::make_unique<World>(0u, static_cast<std::uint32_t>(now.count()));
}

void GameField::newGame()
{
    dropLevel();
    m_levelNumber = 1;
    m_mouseMoves = 0;
    m_status = FieldStatus::Idle;
    m_world = newWorld();
}

void GameField::setLevel(int levelNumber)
{
    dropLevel();
    m_status = FieldStatus::Idle;
    m_levelNumber = std::clamp(levelNumber, Level::kFirstLevel, Level::kLastLevel);
    m_mouseMoves = 0;
}

void GameField::startLevel()
{
    if (m_status == FieldStatus::Victory)
        return;
    if (!level()) {
        m_world->loadLevel(Level::folderFor(m_levelNumber));
        m_plane = std::make_unique<Plane>(m_world->arena());
    }
    showTitle();
    m_status = FieldStatus::Waiting;
    m_mouseMoves = 0;
    saveProgress();
    placeCursorOnPlane();
}

void GameField::nextLevel()
{
    dropLevel();
    m_levelNumber += 1;
    m_status = FieldStatus::Idle;
    m_mouseMoves = 0;
    if (m_levelNumber <= Level::kLastLevel)
        saveProgress();
    else
        m_status = FieldStatus::Victory;
}

void GameField::pause()
{
    if (m_status != FieldStatus::Playing)
        return;
    m_status = FieldStatus::Waiting;
    showTitle();
    m_mouseMoves = 0;
}

void GameField::saveProgress()
{
    ProfileLink* profile = ProfileLink::current();
    if (!profile)
        return;
    profile->raiseLevelMax(m_levelNumber);
    if (m_status == FieldStatus::GameOver || m_status == FieldStatus::Victory) {
        // Nothing left to continue.
        profile->setSavedGame("");
        return;
    }
    int levelNumber = m_levelNumber;
    int bridges = 0;
    // Between levels the figures in hand are those of the level just finished.
    const Level* flown = level();
    bool newLevel = !flown;
    if (flown) {
        const Enemies& enemies = flown->enemies();
        bridges = enemies.bridgesPassed();
        // Past the last bridge the level is as good as done: continuing starts the next one. A
        // level without bridges has nothing to pass. There is no level after the last: its record
        // stays past the last bridge, and continuing it flies out to the victory.
        const int total = static_cast<int>(enemies.bridges().size());
        if (total > 0 && bridges == total && levelNumber < Level::kLastLevel) {
            levelNumber += 1;
            bridges = 0;
            newLevel = true;
        }
    }
    Xml::CXmlNode record;
    record.setName("save");
    record.setInt("m_status", static_cast<int>(m_status));
    record.setInt("m_levelNum", levelNumber);
    record.setInt("m_livesCount", m_lives);
    record.setInt("bridgeNum", bridges);
    m_world->arena().scores().write(record, !newLevel);
    profile->setSavedGame(encodeSavedGame(record));
}

void GameField::loadSaved()
{
    ProfileLink* profile = ProfileLink::current();
    if (!profile || profile->savedGame().empty())
        return;
    m_world->dropLevel();
    SavedGame saved;
    // A record no game could have written (a damaged or edited text) counts as no saved game.
    if (!readSavedGame(profile->savedGame(), saved))
        return;
    m_status = static_cast<FieldStatus>(saved.status);
    if (m_status == FieldStatus::Waiting)
        showTitle();
    m_levelNumber = saved.levelNumber;
    m_lives = saved.lives;

    m_plane.reset();
    m_world = newWorld();
    Level& flown = m_world->loadLevel(Level::folderFor(m_levelNumber));
    m_plane = std::make_unique<Plane>(m_world->arena());
    flown.setCheckpoint(saved.bridges);
    m_world->arena().scores().read(saved.record);
    flown.restartFromCheckpoint();
    m_plane->setStart(flown.cameraPosition());
    flown.setCamera(m_plane->cameraOffset());
    m_mouseMoves = 0;

    // Saved past the last bridge of the last level: the game was won, and the plane flies out
    // to the victory.
    const int total = static_cast<int>(flown.enemies().bridges().size());
    if (m_levelNumber == Level::kLastLevel && total > 0 && saved.bridges >= total) {
        m_status = FieldStatus::LevelEnding;
        m_titleFade = 0.0f;
        m_plane->beginLevelExit();
    }
}

void GameField::onMouseMove()
{
    m_mouseMoves += 1;
    if (m_mouseMoves >= kMovesToStart && m_status == FieldStatus::Waiting)
        m_status = FieldStatus::Playing;
}

void GameField::onKey(int key)
{
    if (m_status == FieldStatus::Waiting)
        m_status = FieldStatus::Playing;

    const std::size_t length = std::strlen(kCheat);
    if (!m_cheatInProgress) {
        if (key == kCheat[0]) {
            m_cheatInProgress = true;
            m_cheatBuffer.assign(1, kCheat[0]);
        }
        return;
    }
    bool partOfCheat = false;
    for (std::size_t i = 1; i < length; ++i)
        partOfCheat = partOfCheat || key == kCheat[i];
    if (!partOfCheat) {
        m_cheatInProgress = false;
        m_cheatBuffer.clear();
        return;
    }
    m_cheatBuffer.push_back(static_cast<char>(key));
    if (m_cheatBuffer == kCheat) {
        m_lives += 2;
        playExtraLife();
        m_cheatInProgress = false;
        m_cheatBuffer.clear();
    }
}

void GameField::onClick()
{
    if (m_status == FieldStatus::GameOverShowing && m_gameOver)
        m_gameOver->finish();
    else if (m_status == FieldStatus::VictoryShowing && m_victory)
        m_victory->finish();
}

} // namespace NVolant
