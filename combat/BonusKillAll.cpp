#include "combat/BonusKillAll.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

BonusKillAll::BonusKillAll() : Bonus(kKind)
{
}

void BonusKillAll::applyTo(BonusReceiver& plane)
{
    plane.launchAtAllTargets();
}

} // namespace NVolant
