#pragma once

#include <optional>
#include <vector>

namespace NVolant {

// A place the plane steers toward, in whole logical pixels of the 800 x 600 picture.
struct SteeringPoint {
    int x = 400;
    int y = 500;

    bool operator==(const SteeringPoint&) const = default;
};

// Everything the player asks of the game in one frame, whoever asks it: mouse and keyboard, a
// gamepad, the autopilot or a replay. The application builds one per frame and hands it down to
// the field and the plane, which never look at the devices themselves.
struct PlayerControls {
    // Where the player put the steering point this frame; none: it stays where the game keeps
    // it (the plane's last target, or where the game placed it). The keys below push it further.
    std::optional<SteeringPoint> steer;
    bool steerUp = false;
    bool steerDown = false;
    bool steerLeft = false;
    bool steerRight = false;
    // How many times the mouse moved this frame (each counts toward starting play, as every
    // move of the mouse does); a steering point from anything else counts as one move.
    int pointerMoves = 0;
    bool cannon = false;
    bool missiles = false;
    // The left mouse button was let go: a click (it cuts the game-over label short).
    bool click = false;
    // Keys pressed this frame by virtual-key code, in order (the cheat, and any key starts play).
    // Escape is not among them: the game screen takes it as a command.
    std::vector<int> typed;

    bool operator==(const PlayerControls&) const = default;
};

} // namespace NVolant
