#pragma once

#include <functional>

namespace NVolant {

// The pick-up chime ("sounds/bonus.ogg" at the current sound volume, from the start, once per
// bonus taken). Every bonus sound goes through here and on to the combat sounds, which do nothing
// when the sound or the audio device is missing: no bonus ever depends on a sound.
class BonusSound final {
public:
    BonusSound() = delete;

    static void play();
    // Replaces what play() does (tests listen here); an empty function restores the chime.
    static void setPlayer(std::function<void()> player);
};

} // namespace NVolant
