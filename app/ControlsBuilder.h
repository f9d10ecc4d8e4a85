#pragma once

#include "gameplay/PlayerControls.h"

#include <vector>

namespace NVolant {

// Turns the player's devices into one frame's controls. The mouse moves the steering point by
// the distance it travelled (the pointer is captured in play, so it never runs into the edge of
// the screen), a gamepad's stick by the time passed, and keys by their place on the keyboard push
// it; buttons and keys fire. Keys pressed and clicks since the last frame go along once.
class ControlsBuilder final {
public:
    void keyPressed(int virtualKey);
    void leftReleased() { m_click = true; }
    // The controls for the next frame. from: where the game keeps the steering point; steerSpeed:
    // how fast a gamepad's stick at full deflection moves it (px/ms), the arrow keys' speed.
    PlayerControls build(SteeringPoint from, float steerSpeed);
    // Drops what no game will take (a menu is in front meanwhile).
    void discard();

private:
    std::vector<int> m_typed;
    bool m_click = false;
};

} // namespace NVolant
