#include "combat/Bonus4Missile.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

Bonus4Missile::Bonus4Missile() : Bonus(kKind)
{
}

void Bonus4Missile::applyTo(BonusReceiver& plane)
{
    plane.enableFourMissiles();
}

} // namespace NVolant
