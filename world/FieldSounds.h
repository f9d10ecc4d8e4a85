#pragma once

#include "platform/Vector4.h"

namespace NVolant {

// The sounds of the game field itself, and its per-frame duties toward the sound registry: the
// listener follows the plane, the engine sounds are kept alive. Does nothing while no sound
// registry is connected; no rule of the game depends on a sound.
class FieldSounds final {
public:
    FieldSounds() = delete;

    // "sounds/addlife.ogg" from the start, not looping, at full volume.
    static void playExtraLife();
    static void setListener(const Vector4& worldPosition);
    static void tickEngines();
    static void stopAll();

    // How many times an extra life was heard since the last reset (tests listen in).
    static int extraLifeCount();
    static void resetCounts();
};

} // namespace NVolant
