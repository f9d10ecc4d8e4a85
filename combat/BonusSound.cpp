#include "combat/BonusSound.h"

#include "combat/CombatSounds.h"

#include <utility>

namespace NVolant {

namespace {

std::function<void()>& player()
{
    static std::function<void()> installed;
    return installed;
}

} // namespace

void BonusSound::play()
{
    if (player())
        player()();
    else
        CombatSounds::play(SoundCue::Bonus, true, false, -1);
}

void BonusSound::setPlayer(std::function<void()> newPlayer)
{
    player() = std::move(newPlayer);
}

} // namespace NVolant
