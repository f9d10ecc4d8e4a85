#pragma once

#include "gameplay/FieldStatus.h"
#include "gameplay/PlayerControls.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace NVolant {

class FieldHud;
class EndLabel;
class Level;
class Plane;
class World;

// The running game: owns its world (with the current level) and the player's plane, advances them
// by the status of play, notices the end of a level, lost lives, game over and victory, keeps the saved game
// of the current profile up to date, and draws the world, the frame and the head-up display.
class GameField final {
public:
    static constexpr int kStartLives = 3;
    static constexpr float kTitleY = 220.0f;
    // The title fades out over 500 ms of play.
    static constexpr float kTitleFadePerMs = 0.002f;
    static constexpr int kMovesToStart = 3;
    static constexpr const char* kCheat = "QZJ";

    GameField();
    GameField(const GameField&) = delete;
    GameField& operator=(const GameField&) = delete;
    // Settles a finished game's score with the profile.
    virtual ~GameField();

    virtual void draw();
    // One frame with the player's controls: their presses and moves first, then the world.
    void update(float dtMs, const PlayerControls& controls);
    // A frame in which the player does nothing.
    void update(float dtMs) { update(dtMs, PlayerControls{}); }

    // The seed of the worlds that new and loaded games start (a recorded flight). Without one a
    // game's sequence starts at 0 and its integer choices (explosion pictures, bursts) from the
    // clock, so that no two games the player starts play out alike.
    void setSeed(std::uint32_t seed) { m_seed = seed; }

    // Game flow, as the game screen passes it on. A new game is a new world.
    void newGame();
    // Clamped to 1..30.
    void setLevel(int levelNumber);
    // Loads the level and a plane when there is none, shows the title, waits for the player.
    void startLevel();
    void nextLevel();
    // Only while playing: freezes the field behind the title again.
    void pause();
    // The current profile's saved game, in a new world; a record that does not decode, or names a
    // level outside 1..30, leaves the field without a level.
    void loadSaved();
    bool hasLevel() const { return level() != nullptr; }
    // Writes where the game stands into the current profile (at a level start, a destroyed bridge,
    // the change to the next level, game over and victory).
    void saveProgress();

    // Where the steering point is kept between frames: the plane's target in whole pixels, or
    // where the game placed it.
    SteeringPoint steeringPoint() const { return m_steer; }
    void placeSteering(SteeringPoint point) { m_steer = point; }
    // Puts the steering point and the pointer on the plane (a level start, the hints closed).
    void placeCursorOnPlane();

    // Input, as the controls bring it (keys also with the hint window up).
    void onMouseMove();
    void onKey(int key);
    void onClick();

    FieldStatus status() const { return m_status; }
    int levelNumber() const { return m_levelNumber; }
    int lives() const { return m_lives; }
    int mouseMoves() const { return m_mouseMoves; }
    float titleFade() const { return m_titleFade; }
    float titleY() const { return m_titleY; }
    bool cheatInProgress() const { return m_cheatInProgress; }
    Level* level();
    const Level* level() const;
    World& world() { return *m_world; }
    const World& world() const { return *m_world; }
    Plane* plane() { return m_plane.get(); }
    const Plane* plane() const { return m_plane.get(); }
    const EndLabel* gameOverLabel() const { return m_gameOver.get(); }
    const EndLabel* victoryLabel() const { return m_victory.get(); }
    const FieldHud& hud() const { return *m_hud; }
    // The scroll the picture shows: between the last two steps' while frames are drawn between
    // steps (KDrawBlend), the newest step's otherwise.
    float drawnScroll() const;

private:
    void takeInput(const PlayerControls& controls);
    void steerPlane(float dtMs, const PlayerControls& controls);
    void updatePlaying(float dtMs, const PlayerControls& controls);
    void updateLevelEnding(float dtMs, const PlayerControls& controls);
    void replaceLostPlane();
    void showTitle();
    void dropLevel();
    std::unique_ptr<World> newWorld() const;
    void playExtraLife();

    FieldStatus m_status = FieldStatus::Idle;
    std::optional<std::uint32_t> m_seed;
    std::unique_ptr<World> m_world;
    std::unique_ptr<Plane> m_plane;
    std::unique_ptr<FieldHud> m_hud;
    int m_levelNumber = 1;
    int m_lives = kStartLives;
    int m_mouseMoves = 0;
    SteeringPoint m_steer;
    std::unique_ptr<EndLabel> m_gameOver;
    std::unique_ptr<EndLabel> m_victory;
    std::string m_cheatBuffer;
    bool m_cheatInProgress = false;
    float m_titleFade = 0.0f;
    float m_titleY = 0.0f;
    // The scroll before the newest step: only ever read for drawing.
    float m_scrollBefore = 0.0f;
};

} // namespace NVolant
