#pragma once

#include "platform/Vector4.h"

namespace NVolant {

// The world advances by exactly this much per frame, however long the frame took.
inline constexpr float kFrameStepMs = 16.666666f;

// Enemies live while their start height lies between this far below the camera and this far above
// it (both inclusive): a little below the picture, so wrecks and leavers finish their business,
// and a screen and more above it, so nothing pops up in sight. Target queries use the same band.
inline constexpr float kActivationBelow = 200.0f;
inline constexpr float kActivationAbove = 700.0f;

// Every object's shadow is its own sprite darkened and shifted down-right, away from the light in
// the upper left, unless its parameter file gives an offset of its own.
inline constexpr float kShadowAlpha = 0.23f;
inline constexpr Vector4 kShadowOffset{8.0f, 8.0f, 0.0f, 1.0f};

} // namespace NVolant
