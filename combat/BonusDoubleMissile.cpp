#include "combat/BonusDoubleMissile.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

BonusDoubleMissile::BonusDoubleMissile() : Bonus(kKind)
{
}

void BonusDoubleMissile::applyTo(BonusReceiver& plane)
{
    plane.enableDoubleMissile();
}

} // namespace NVolant
