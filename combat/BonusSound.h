#pragma once

#include <functional>

namespace NVolant {

// The pick-up chime ("sounds/bonus.ogg" at the current sound volume). Every bonus sound goes
// through here, so the bonuses never depend on a sound being loaded, or on audio at all: without
// a player installed a pick-up is silent.
class BonusSound final {
public:
    BonusSound() = delete;

    static void play();
    // Who makes the noise; an empty function makes pick-ups silent.
    static void setPlayer(std::function<void()> player);
};

} // namespace NVolant
