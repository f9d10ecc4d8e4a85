#pragma once

#include "screens/FrameInput.h"

namespace NVolant {

// Hands one frame's input to the platform as the events a player's mouse and keyboard would
// cause (moves, presses, releases), so the game takes it exactly as it takes a player's. Only
// what changed since the last frame becomes an event.
class InputInjector final {
public:
    void apply(const FrameInput& input);
    // Lets go of every held button and key.
    void releaseAll();
    const FrameInput& held() const { return m_held; }

private:
    FrameInput m_held;
};

} // namespace NVolant
