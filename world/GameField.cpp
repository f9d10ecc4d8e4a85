#include "world/GameField.h"

#include "content/CXmlNode.h"
#include "enemies/Enemies.h"
#include "platform/KPointer.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/FieldHud.h"
#include "world/FieldSounds.h"
#include "world/GameOver.h"
#include "world/GameWin.h"
#include "world/Level.h"
#include "world/ProfileLink.h"
#include "world/SavedGameText.h"

#include <algorithm>
#include <cstring>

namespace NVolant {

GameField::GameField() : m_hud(std::make_unique<FieldHud>())
{
}

GameField::~GameField()
{
    ProfileLink* profile = ProfileLink::current();
    Scores* scores = Scores::existing();
    if (profile && scores && (m_status == FieldStatus::GameOver || m_status == FieldStatus::Victory))
        profile->recordFinalScore(scores->score());
    m_level.reset();
    m_plane.reset();
    m_gameOver.reset();
    m_victory.reset();
    m_hud.reset();
    // A new game starts from a score of 0.
    Scores::destroy();
}

void GameField::update(float dtMs, const PlayerControls& controls)
{
    takeInput(controls);
    switch (m_status) {
    case FieldStatus::Playing:
        updatePlaying(dtMs, controls);
        break;
    case FieldStatus::LevelEnding:
        updateLevelEnding(dtMs, controls);
        break;
    case FieldStatus::GameOverShowing:
        if (m_level)
            m_level->update(dtMs);
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
        if (m_level)
            m_level->update(dtMs);
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
    if (m_plane)
        FieldSounds::setListener(m_plane->worldPosition());
    FieldSounds::tickEngines();
}

void GameField::takeInput(const PlayerControls& controls)
{
    // A steering point put where it already is moved nowhere.
    if (controls.steer && !(*controls.steer == m_steer)) {
        m_steer = *controls.steer;
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
    if (m_level) {
        m_level->update(dtMs);
        if (m_plane) {
            const int lives = Scores::instance()->checkExtraLife(m_lives, m_plane->worldPosition());
            if (lives != m_lives)
                FieldSounds::playExtraLife();
            m_lives = lives;
        }
    }
    if (m_plane && m_level) {
        m_level->setCamera(m_plane->cameraOffset());
        // A plane that has just taken over is half visible and cannot be hit until it is whole.
        if (m_plane->alpha() >= 1.0f)
            m_plane->applyDamage(m_level->collidePlayer(m_plane->collisionCircles()));
        if (m_level->enemies().takeCheckpointChanged())
            saveProgress();
    }
    if (m_plane && m_plane->state() == PlaneState::Destroyed)
        replaceLostPlane();
    if (m_status == FieldStatus::Playing && m_level && m_plane && m_level->endReached()) {
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
        m_gameOver = std::make_unique<GameOver>();
        return;
    }
    // The level goes on where it is; the new plane flies on from the old one's place.
    auto plane = std::make_unique<Plane>();
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
    if (m_level) {
        m_level->update(dtMs);
        m_level->setCamera(m_plane->cameraOffset());
    }
    if (m_plane->state() != PlaneState::LevelLeft)
        return;
    if (m_levelNumber + 1 <= Level::kLastLevel) {
        m_status = FieldStatus::LevelComplete;
        if (ProfileLink* profile = ProfileLink::current())
            profile->raiseLevelMax(m_levelNumber + 1);
    } else {
        m_status = FieldStatus::VictoryShowing;
        m_victory = std::make_unique<GameWin>();
    }
}

void GameField::draw()
{
    if (m_level)
        m_level->drawGround();
    if (m_plane)
        m_plane->draw();
    if (m_level)
        m_level->drawTop();
    m_hud->drawBorders();
    m_hud->drawLives(m_lives);
    m_hud->drawScore(Scores::instance()->score());
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
    m_level.reset();
    m_plane.reset();
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

void GameField::newGame()
{
    dropLevel();
    m_levelNumber = 1;
    m_mouseMoves = 0;
    m_status = FieldStatus::Idle;
    Plane::resetGuns();
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
    if (!m_level) {
        m_level = std::make_unique<Level>(Level::folderFor(m_levelNumber));
        m_plane = std::make_unique<Plane>();
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
    bool newLevel = !m_level;
    if (m_level) {
        const Enemies& enemies = m_level->enemies();
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
    Scores::instance()->write(record, !newLevel);
    profile->setSavedGame(encodeSavedGame(record));
}

void GameField::loadSaved()
{
    ProfileLink* profile = ProfileLink::current();
    if (!profile || profile->savedGame().empty())
        return;
    m_level.reset();
    SavedGame saved;
    // A record no game could have written (a damaged or edited text) counts as no saved game.
    if (!readSavedGame(profile->savedGame(), saved))
        return;
    m_status = static_cast<FieldStatus>(saved.status);
    if (m_status == FieldStatus::Waiting)
        showTitle();
    m_levelNumber = saved.levelNumber;
    m_lives = saved.lives;

    Plane::resetGuns();
    m_level = std::make_unique<Level>(Level::folderFor(m_levelNumber));
    m_plane = std::make_unique<Plane>();
    m_level->setCheckpoint(saved.bridges);
    Scores::destroy();
    Scores::instance()->read(saved.record);
    m_level->restartFromCheckpoint();
    m_plane->setStart(m_level->cameraPosition());
    m_level->setCamera(m_plane->cameraOffset());
    m_mouseMoves = 0;

    // Saved past the last bridge of the last level: the game was won, and the plane flies out
    // to the victory.
    const int total = static_cast<int>(m_level->enemies().bridges().size());
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
        FieldSounds::playExtraLife();
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
