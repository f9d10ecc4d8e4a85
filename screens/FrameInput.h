#pragma once

#include <vector>

namespace NVolant {

// What a player does in one frame: where the pointer is, which buttons and keys are held.
struct FrameInput {
    int x = 400;
    int y = 500;
    bool left = false;
    bool right = false;
    std::vector<int> keys; // held virtual keys, ascending

    bool operator==(const FrameInput&) const = default;
};

} // namespace NVolant
