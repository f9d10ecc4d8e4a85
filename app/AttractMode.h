#pragma once

#include "pilots/Autopilot.h"
#include "pilots/PilotHand.h"
#include "world/ProfileLink.h"

#include "ui/Control.h"

#include <memory>
#include <optional>

namespace NVolant {

class ScreenKit;

// The demonstration flight an idle main menu shows: the autopilot flies a level in a game of its
// own, with a "DEMO" caption, until the level ends, time runs out or the player does anything.
// The demonstration borrows the profile slot with a profile in memory, so no profile, score,
// saved game or top-ten entry of the player's is touched. The application owns the screen
// changes, the music and the fades; this keeps the game and the pilot.
class AttractMode final {
public:
    static constexpr float kIdleMs = 30000.0f;
    static constexpr float kFadeMs = 400.0f;
    static constexpr float kLongestMs = 150000.0f;

    enum class Phase {
        Off,
        MenuFadingOut, // the menu darkens before the flight
        Flying,        // fading in at first
        DemoFadingOut, // the flight darkens before the menu comes back
        MenuFadingIn
    };

    AttractMode() = default;
    ~AttractMode();
    AttractMode(const AttractMode&) = delete;
    AttractMode& operator=(const AttractMode&) = delete;

    // Counts the menu's quiet time; true once a demonstration is due.
    bool due(float dtMs, bool menuAtRest);
    void resetIdle() { m_idleMs = 0.0f; }

    Phase phase() const { return m_phase; }
    bool active() const { return m_phase != Phase::Off; }
    // 1 clear .. 0 black, for the window's fade.
    float fade() const;
    // Advances the phase clock; true when the current fade has finished.
    bool advance(float dtMs);
    void setPhase(Phase phase);

    // Makes the demonstration's game at level; false without a game screen.
    bool begin(ScreenKit& kit, int level);
    // Deletes the game, then gives the profile slot back.
    void end();
    NControls::Control* screen() const { return m_game.get(); }
    // The flight has run its course (level over, or long enough).
    bool finished(ScreenKit& kit) const;

    // The pilot's controls for the next frame while it flies.
    std::optional<PlayerControls> nextControls();
    void drawCaption() const;

private:
    Phase m_phase = Phase::Off;
    float m_idleMs = 0.0f;
    float m_phaseMs = 0.0f;
    float m_flownMs = 0.0f;
    std::unique_ptr<NControls::Control> m_game;
    std::unique_ptr<ProfileLink> m_playerLink;
    std::unique_ptr<Autopilot> m_pilot;
    PilotHand m_hand;
    unsigned m_flights = 0;
};

} // namespace NVolant
