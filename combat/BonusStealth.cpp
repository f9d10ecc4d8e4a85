#include "combat/BonusStealth.h"

#include "combat/BonusReceiver.h"

namespace NVolant {

BonusStealth::BonusStealth() : Bonus(kKind)
{
}

void BonusStealth::applyTo(BonusReceiver& plane)
{
    plane.addStealth();
}

} // namespace NVolant
