#include "combat/BonusAddHull.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

BonusAddHull::BonusAddHull() : Bonus(kKind)
{
}

void BonusAddHull::applyTo(BonusReceiver& plane)
{
    plane.addHull();
}

} // namespace NVolant
