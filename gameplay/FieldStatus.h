#pragma once

namespace NVolant {

// Where a running game stands. The values are the ones the game has always used; the "Showing"
// states hold their label on screen until the plain state that follows them.
enum class FieldStatus {
    Idle = 0,
    Waiting = 1,
    Playing = 2,
    LevelEnding = 3,
    LevelComplete = 4,
    GameOverShowing = 5,
    GameOver = 6,
    VictoryShowing = 7,
    Victory = 8,
};

} // namespace NVolant
