#pragma once

#include "gameplay/PlayerControls.h"

namespace NVolant {

// The computer pilot's hand on the mouse: the pilot names a point every frame, but the steering
// point only moves when that point changes (as a mouse that is not moved leaves steering to the
// game), and letting go of the cannon's button is a click. Kept across flights, as a hand is.
class PilotHand final {
public:
    // The controls for a frame in which the pilot wants `wish` (its steering point always set).
    PlayerControls controls(const PlayerControls& wish);
    // Lets go of the buttons without a click (a flight ends or begins).
    void release() { m_cannon = false; }

private:
    SteeringPoint m_point;
    bool m_cannon = false;
};

} // namespace NVolant
