#include "combat/BonusAutoAim.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

BonusAutoAim::BonusAutoAim() : Bonus(kKind)
{
}

void BonusAutoAim::applyTo(BonusReceiver& plane)
{
    plane.enableAutoAim();
}

} // namespace NVolant
