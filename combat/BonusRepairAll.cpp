#include "combat/BonusRepairAll.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

BonusRepairAll::BonusRepairAll() : Bonus(kKind)
{
}

void BonusRepairAll::applyTo(BonusReceiver& plane)
{
    plane.repairAll();
}

} // namespace NVolant
