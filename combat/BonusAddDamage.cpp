#include "combat/BonusAddDamage.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

BonusAddDamage::BonusAddDamage() : Bonus(kKind)
{
}

void BonusAddDamage::applyTo(BonusReceiver& plane)
{
    plane.addDamage();
}

} // namespace NVolant
