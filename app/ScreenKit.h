#pragma once

#include "gameplay/FieldStatus.h"
#include "gameplay/PlayerControls.h"
#include "ui/Control.h"

#include <memory>

namespace NVolant {

// How the application makes and asks its screens. The application's start-up, input routing and
// command table are written against this; each screen supplies its part. What a kit leaves at the
// defaults simply does not exist yet (no game screen).
class ScreenKit {
public:
    virtual ~ScreenKit() = default;

    // The intro (may be null) and its cover: 1 covered, 0 revealed.
    virtual std::unique_ptr<NControls::Control> makeIntro() { return nullptr; }
    virtual float introFade(NControls::Control&) { return 0.0f; }
    virtual void startIntroCrossFade(NControls::Control&) {}

    virtual std::unique_ptr<NControls::Control> makeMainMenu() = 0;
    // Idle: no slide animation running (pending screen changes wait for it).
    virtual bool menuIdle(NControls::Control&) { return true; }
    // At rest: idle and no panel open (a demonstration may start).
    virtual bool menuAtRest(NControls::Control& menu) { return menuIdle(menu); }
    virtual void setContinueEnabled(NControls::Control&, bool) {}
    virtual void replayOpening(NControls::Control&) {}
    // The level chosen in the custom-level panel.
    virtual int customLevel(NControls::Control&) { return 1; }

    virtual std::unique_ptr<NControls::Control> makeGame(bool) { return nullptr; }
    virtual FieldStatus fieldStatus(NControls::Control&) { return FieldStatus::Idle; }
    virtual bool hasLevel(NControls::Control&) { return false; }
    // A new game at level, then its level started.
    virtual void startGame(NControls::Control&, int) {}
    // One frame of a game screen with the player's controls.
    virtual void updateGame(NControls::Control& game, float dt, const PlayerControls&) { game.update(dt); }
    // Where a game keeps its steering point between frames, and putting it somewhere.
    virtual SteeringPoint steeringPoint(NControls::Control&) { return {}; }
    virtual void placeSteering(NControls::Control&, SteeringPoint) {}
    virtual void pauseGame(NControls::Control&) {}
    // The next level, started.
    virtual void nextLevel(NControls::Control&) {}
    // Whether the current profile has a saved game, and loading it into a game screen.
    virtual bool hasSavedGame() { return false; }
    // The seed of the worlds the game starts from now on.
    virtual void seedGame(NControls::Control&, std::uint32_t) {}
    virtual void loadSavedGame(NControls::Control&) {}

    virtual std::unique_ptr<NControls::Control> makeEndLevel(bool, NControls::Control&) { return nullptr; }
};

// The game's own screens: intro, main menu with its panels, game screen, end-of-level window.
std::unique_ptr<ScreenKit> makeDefaultScreenKit();

} // namespace NVolant
