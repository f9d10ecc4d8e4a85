#pragma once

#include "platform/KInjection.h"
#include "platform/KInput.h"

#include <cmath>
#include <cstdlib>
#include <functional>

// A thumb on a virtual pad's left stick: pushes the stick toward (x, y) frame by frame, easing off
// near it, until the pointer is within two pixels, then lets the stick go.
inline void steerPointerWithStick(int pad, int x, int y, const std::function<void()>& frame)
{
    const auto stick = [pad](float sx, float sy) {
        KInjection::gamepadAxis(pad, KInjection::KPadAxis::LeftX, sx);
        KInjection::gamepadAxis(pad, KInjection::KPadAxis::LeftY, sy);
    };
    for (int i = 0; i < 600 && (std::abs(getMouseX() - x) > 2 || std::abs(getMouseY() - y) > 2); ++i) {
        const float dx = static_cast<float>(x - getMouseX()), dy = static_cast<float>(y - getMouseY());
        const float length = std::hypot(dx, dy);
        const float push = length > 40 ? 1.0f : 0.45f;
        stick(push * dx / length, push * dy / length);
        frame();
    }
    stick(0, 0);
    frame();
}
