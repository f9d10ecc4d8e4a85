#include "combat/BonusDoubleFire.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

BonusDoubleFire::BonusDoubleFire() : Bonus(kKind)
{
}

void BonusDoubleFire::applyTo(BonusReceiver& plane)
{
    plane.enableDoubleFire();
}

} // namespace NVolant
