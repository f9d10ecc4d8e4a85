#include "combat/BonusRepair.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

BonusRepair::BonusRepair() : Bonus(kKind)
{
}

void BonusRepair::applyTo(BonusReceiver& plane)
{
    plane.repair();
}

} // namespace NVolant
